struct list; /* defined below */
struct list {
    int count;
};
struct list *all;
void g(void)
{
    struct list l;
}

static struct pollfd list[8];
extern struct node *head;
int count(struct node *n, enum color c)
{
    enum color shade;
    union cell u;
    struct node *p;
    return 0;
}

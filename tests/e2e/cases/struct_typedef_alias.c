typedef struct list list; /* forward */
list *head;
void f(void)
{
    x = 1;
}
int n;

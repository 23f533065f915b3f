struct node {
int type;
};
void f(int a)
{
g(a);
}

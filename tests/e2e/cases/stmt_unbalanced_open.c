void f(void)
{
    x = 1;

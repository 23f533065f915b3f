void f(void)
{
    if (a) { x = 1; } y = 2;
}

void f(void)
{
    if (a) {
        x = 1;
    }
    while (a ? b : c) {
        y = 2;
    }
}

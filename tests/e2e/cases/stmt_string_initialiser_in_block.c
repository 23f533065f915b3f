void f(int a)
{
    int b;
    if (a) { char *p = "x"; } b = 2;
    if (b) { static char m[] = "a"; } b = 3;
}

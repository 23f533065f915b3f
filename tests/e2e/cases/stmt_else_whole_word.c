void f(int a)
{
    if (a) {
        a = 0;
    }
    elsewhere = 1;
}

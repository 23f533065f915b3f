void f(int n)
{
    if (n) {
        n = 0;
    }
    while (n < 3) {
        n++;
    }
}

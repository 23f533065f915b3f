void f(int n)
{
    do {
        n++;
    }
    // again
    while (n < 10);
}

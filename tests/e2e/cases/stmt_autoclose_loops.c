void f(int a)
{
    if (a) do {
        a--;
    } while (a > 0);
    if (a) for (i = 0; i < 3; i++) {
        a++;
    }
    a = 5;
}

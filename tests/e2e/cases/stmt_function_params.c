int add(int a, int b)
{
    int s, t;
    s = a + b;
    return s;
}

void f(int value)
{
    list = create(value);
}

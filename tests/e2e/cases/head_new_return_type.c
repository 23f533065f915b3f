mybool _f(void)
{
    return 1;
}

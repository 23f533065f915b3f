void f(void)
{
#ifdef A
    x = 1;
#else {
    x = 2;
#endif }
}

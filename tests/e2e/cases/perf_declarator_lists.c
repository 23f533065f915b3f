static int *first, **second[4 * 2], third;

void f(void)
{
    long *a[3 * 4], ***b, c, *d;
}

int main(void)
{
    int n;
    while (n < 3) // count up
        n++;
    if (n > 2) /* big */
    {
        n = 0;
    }
    return 0;
}

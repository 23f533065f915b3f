int main(void)
{
    for (i = 0;
         /* first
            part */
         i < n; i++) {
        go(i);
    }
    return 0;
}

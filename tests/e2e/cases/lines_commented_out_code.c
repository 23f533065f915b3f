void dump(int n)
{
    int i;
    for (i = 0; i < n; i++)
        /* printf("%d\n", i);
           fflush(stdout); */
        total += i;
    if (n > 10)
        /*
         * too many
         */
        n = 10;
    if (strncmp(p, "/*", 2) == 0) {
        p = strstr(p, "*/");
    }
}

void f(char *s)
{
    g(s, "/*", "*/");
    puts("*/"); // done
    printf("// %s /* x */", s); /* real */
}

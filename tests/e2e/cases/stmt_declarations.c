double total, *cursor, table[10];
static char name[32];

void fill(int n)
{
    static int calls;
    char *p, **pp, buf[N * 2];
    calls = n;
}

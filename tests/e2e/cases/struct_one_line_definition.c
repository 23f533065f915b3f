struct S { int a; };
typedef struct tagPT { int x; int y; } PT;
void f(void)
{
    struct P { int x; };
}

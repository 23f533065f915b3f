struct rect { int w; } r;
void f(void)
{
    struct { int dx; } mv;
    mv.dx = 1;
}

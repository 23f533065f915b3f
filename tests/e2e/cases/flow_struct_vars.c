struct point {
    int x;
} p1, *pp;
struct {
    int y;
} v;
struct rect
{
    int w;
} r;
struct point q;

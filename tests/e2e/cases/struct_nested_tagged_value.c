/* A tagged value, as an interpreter keeps it */
struct outer {
    int kind;               /* which member is set */
    union {
        int i;
        double d;
    } value;
    struct {
        int x, y;
    } pos;
} o;

void show(void)
{
    struct {
        union { int a; float b; } u;
    } local;
    local.u.a = 1;
}

typedef struct
{
    int n;
} jpeg;
typedef struct
{
    int b;
}
BITS;
typedef struct {
    int c;
}
COLS;

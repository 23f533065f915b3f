typedef struct
{
    int n;
} jpeg;
typjpeg;
typedef struct
{
    int b;
}
BITS;
typedef struct {
 edef struct
{
    int b;
}
BITS;
typedef struct {
    int c;
}
COLS;

typedef struct tagPT {
    double x;
} PT;
typedef double REAL; // real type
typedef enum {
    RED,
    GREEN
} COLOR;

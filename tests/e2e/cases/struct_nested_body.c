typedef struct {
struct { int id; } c;
} T;

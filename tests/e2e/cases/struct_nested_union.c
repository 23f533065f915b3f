typedef struct tag {
union { char *raw; int *str; } buf;
int n;
} TAG;
TAG t1;

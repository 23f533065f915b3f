#define MAX 100 // limit
#define DEBUG
#define SQR(x) ((x)*(x)) // square
#define TWO (1+1)

#define E(x) do { /* c */ } while (0)
int y;

#define CR_END } return; }
#define SWAP(a, b) \
    t = a; \
    a = b;
x = 1;

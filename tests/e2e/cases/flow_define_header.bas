$HEADER
#define CR_END } return ; }
$HEADER
$HEADER
#define SWAP ( a , b ) \
t = a; \
a = b;
$HEADER
x = 1

CONST MAX = 100                                            'limit
CONST DEBUG
'  square
$HEADER
#define SQR ( x ) ( ( x ) * ( x ) )
$HEADER
$HEADER
#define TWO ( 1 + 1 )
$HEADER

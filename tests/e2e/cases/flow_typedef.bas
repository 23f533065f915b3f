TYPE PT
   x AS double
END TYPE
'  real type
CONST  double  =  REAL
enum
RED, GREEN
COLOR

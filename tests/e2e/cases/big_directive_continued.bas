!#if A && B
x = 1
$ENDIF

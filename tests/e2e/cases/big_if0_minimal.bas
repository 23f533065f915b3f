!#if 0
'this is { not C
$ENDIF
x = 1

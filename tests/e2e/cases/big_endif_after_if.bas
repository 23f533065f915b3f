IF a THEN
   x
END IF
$ENDIF
z = 1

IF a THEN
   x
   !#if defined(W)
ELSE
   y
END IF
   $ENDIF

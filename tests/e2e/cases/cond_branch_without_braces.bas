SUB k ()
   $IF A
   IF a THEN
      x = 1
   END IF
   $ELSE
   x = 2
   $ENDIF
   y = 3
END SUB

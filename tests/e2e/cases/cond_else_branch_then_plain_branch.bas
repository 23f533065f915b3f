SUB n ()
   IF a THEN
      x = 1
      $IF X
   ELSE
      x = 2
   END IF
      $ELSE
   END IF
   y = 3
      $ENDIF
END SUB

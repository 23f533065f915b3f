SUB m ()
   IF a THEN
      x = 1
      $IF X
      $ELSE
      y = 1
      $ENDIF
   ELSE
      z = 1
   END IF
END SUB

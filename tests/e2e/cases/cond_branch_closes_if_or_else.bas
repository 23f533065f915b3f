SUB g ()
   IF a THEN
      x = 1
      $IF X
   END IF
      $ELSE
   ELSE
      x = 2
   END IF
      $ENDIF
END SUB

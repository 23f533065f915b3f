SUB e ()
   IF a THEN
      x = 1
      $IF X
   ELSEIF b THEN
      x = 2
      $ENDIF
   ELSE
      x = 3
   END IF
END SUB

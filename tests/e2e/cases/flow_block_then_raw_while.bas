SUB f ()
   IF a THEN
      x = 1
   END IF
   !while (a ? b : c ) {
   y = 2
   !}
END SUB

SUB f ()
   IF a THEN
      x = 1
   END IF
   y = 2
END SUB

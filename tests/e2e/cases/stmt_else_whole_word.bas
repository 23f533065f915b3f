SUB f (a AS INTEGER)
   IF a THEN
      a = 0
   END IF
   elsewhere = 1
END SUB

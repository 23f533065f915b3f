SUB f (a AS INTEGER)
   IF a THEN
      a = 0
      '  other
   ELSE
      a = 1
   END IF
END SUB

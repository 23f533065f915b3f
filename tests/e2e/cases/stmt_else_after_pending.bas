SUB f (a AS INTEGER, b AS INTEGER)
   IF a THEN
      IF b THEN
         a = 0
      END IF
   ELSE
      a = 1
   END IF
END SUB

IF a THEN
   IF b THEN
      c = 1
   END IF
END IF

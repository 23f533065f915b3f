SUB f (a AS INTEGER)
   IF a THEN
      DO
         a--
      LOOP WHILE a > 0
   END IF
   IF a THEN
      i = 0
      WHILE i<3
         a++
         i++
      WEND
   END IF
   a = 5
END SUB

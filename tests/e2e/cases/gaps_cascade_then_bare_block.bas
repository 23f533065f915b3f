IF a THEN
   IF b THEN
      WHILE c
         x = 1
      WEND
   END IF
END IF
IF d THEN
   y = 2
END IF
z = 3

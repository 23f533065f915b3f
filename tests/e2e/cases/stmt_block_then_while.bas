SUB f (n AS INTEGER)
   IF n THEN
      n = 0
   END IF
   WHILE n < 3
      n++
   WEND
END SUB

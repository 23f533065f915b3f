IF a THEN
   WHILE b
      b--
   WEND
END IF
IF c THEN
   i = 0
   WHILE i<3
      d ()
      i++
   WEND
END IF

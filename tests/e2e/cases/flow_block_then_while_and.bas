IF a THEN
   x = 1
END IF
WHILE k < n  AND  z
   k++
WEND

i = 0
WHILE i<n
   IF a[i] THEN
      k++
   END IF
   i++
WEND
x = 1

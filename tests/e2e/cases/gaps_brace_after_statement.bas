SELECT CASE (n)
   CASE 1
   x = 1
END SELECT
WHILE n
   WHILE k
      k--
   WEND
WEND
i = 0
WHILE i<2
   i++
WEND
y = 1

'  first
' part
i = 0
WHILE i<n
   go (i)
   i++
WEND

i = 0
WHILE i<10
   sum += i
   i++
WEND
i = 0  :  j = 9
WHILE i<j
   x++
   i++ : j--
WEND
DIM RAW  k = 0 AS int
WHILE k<n
   total += k
   k++
WEND

WHILE
   poll ()

WEND
i = 0
WHILE i<n
   go (i)
   i++
WEND

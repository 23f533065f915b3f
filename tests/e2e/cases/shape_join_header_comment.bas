DIM RAW n AS INTEGER
' count up
WHILE n < 3
   n++
WEND
' big
IF n > 2 THEN
   n = 0
END IF

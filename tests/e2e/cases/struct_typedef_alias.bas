' forward
GLOBAL head AS list PTR
SUB f ()
   x = 1
END SUB
DIM RAW n AS INTEGER

SUB f ()
   x = 1

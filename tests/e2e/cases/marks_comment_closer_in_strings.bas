SUB f ()
   x = g ("a*/b", "c*/d", 1)
   puts ("e*/ */ f")
END SUB

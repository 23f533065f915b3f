SUB f (s AS char PTR)
   g (s, "/*", "*/")
   puts ("*/")                                             'done
   printf ("// %s /* x */", s)                             'real
END SUB

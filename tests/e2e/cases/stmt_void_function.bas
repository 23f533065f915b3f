SUB greet ()
   puts ("hi")
END SUB

FUNCTION f (c AS INTEGER) AS INTEGER
   c = 65                                                  '\x41 = 65
   c = c + 65                                              '\101 = 65
   IF c = 239 THEN                                         '\xEF = 239
      c = 10                                               '\012 = 10
   END IF
   FUNCTION = 0
END FUNCTION

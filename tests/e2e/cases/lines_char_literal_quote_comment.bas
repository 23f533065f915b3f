SUB f (c AS INTEGER)
   SELECT CASE (c)
      '  q
      CASE 34, 1
      x = 1
   END SELECT
   IF c = 34 THEN                                          'quote
      n++
   END IF
END SUB

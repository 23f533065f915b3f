SUB f (n AS INTEGER)
   DO
      n++
      ' again
   LOOP WHILE n < 10
END SUB

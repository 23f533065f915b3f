SUB f (c AS INTEGER)
   '  g(1);
   ' h(2);
   WHILE c
      k (3)
   WEND
   '  old:
   ' g(4);
   IF c THEN
      k (5)
   END IF
   '  g(9);
   ' h(10);
   i = 0
   WHILE i<c
      k (11)
      i++
   WEND
   SELECT CASE (c)
      '  g(6);
      ' h(7);
      CASE 1
      k (8)
   END SELECT
END SUB

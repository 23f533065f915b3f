SUB f (a AS INTEGER)
   IF a THEN
      x = 1
      '  first note
      '  second note
   ELSE
      x = 2
   END IF
   DO
      a--
   LOOP
   ' counted down

   y = 2
END SUB

SUB f (a AS INTEGER)
   IF a THEN
      x = 1
   END IF
   '  first note
   '  second note
   y = 2
END SUB

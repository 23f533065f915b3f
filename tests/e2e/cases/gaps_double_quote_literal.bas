IF c = 34 THEN
   n++
END IF

SELECT CASE (n)
   CASE 1, 2
   x = 1
   CASE 3
   IF y THEN
      EXIT LOOP
   END IF
   x = 3
   CASE ELSE
   x = 0
END SELECT

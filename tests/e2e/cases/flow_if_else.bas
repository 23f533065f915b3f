IF x = 1 THEN
   y = 2
ELSEIF x > 2 THEN
   y = 3
ELSE
   y = 4
END IF
IF a THEN
   b = 1
ELSE
   b = 2
END IF

DO
   k--
LOOP WHILE k > 0

IF x THEN
   y = 1
   !else if (a ? b : c ) {
   y = 2
END IF

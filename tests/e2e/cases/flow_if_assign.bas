fp = fopen (name , "r")
IF fp = NULL THEN
   fail ()
END IF

WHILE go
   IF skip THEN
      ITERATE
   END IF
   free(buf)
   n = sizeof (INTEGER)
   GOTO done
   x = (char *) y
WEND

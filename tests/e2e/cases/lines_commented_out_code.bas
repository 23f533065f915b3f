SUB dump (n AS INTEGER)
   DIM RAW i AS INTEGER
   '  printf("%d\n", i);
   ' fflush(stdout);
   i = 0
   WHILE i<n
      total += i
      i++
   WEND
   '
   '* too many
   '
   IF n > 10 THEN
      n = 10
   END IF
   IF strncmp (p, "/*", 2) = 0 THEN
      p = strstr (p, "*/")
   END IF
END SUB

FUNCTION g (n AS INTEGER) AS INTEGER
   !#if defined(A)
   IF n > 0 THEN
   !#elif defined(B)
   IF n < 0 THEN
   $ELSE
   IF n = 0 THEN
   $ENDIF
      n = 1
   END IF
   FUNCTION = n
END FUNCTION

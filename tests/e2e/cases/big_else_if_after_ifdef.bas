SUB f (a AS INTEGER)
   IF a > 0 THEN
      x = 1
      $IF _WIN32
      ' windows
   ELSEIF a < 0 THEN
      x = 2
      $ENDIF
   ELSE
      x = 3
   END IF
END SUB

SELECT CASE (n)
   !#if SHORT
   CASE 1
   IF a THEN
      x = 1
   END IF
   $ENDIF
END SELECT

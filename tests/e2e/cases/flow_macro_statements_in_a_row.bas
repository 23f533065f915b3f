SUB f (m AS INTEGER)
   A_FETCH
   C_FETCH
   $IFNDEF NDEBUG
   IF m THEN
      g (1)
   END IF
   $ENDIF
   SELECT CASE (m)
      CASE 1
      g (1)
   END SELECT
   A_STORE
   C_STORE
END SUB

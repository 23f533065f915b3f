SUB f (k AS INTEGER)
   k = 1
   SELECT CASE (k)
      CASE 1
      k = 2
      CASE ELSE
      k = 3
   END SELECT
END SUB

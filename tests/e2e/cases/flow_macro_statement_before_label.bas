SUB f (c AS INTEGER)
   SELECT CASE (c)
      CASE 1
      x = 0
      FALL_THROUGH
      CASE 2
      y = 2
      CHECK (y)

      CASE ELSE
      y = 3
   END SELECT
END SUB

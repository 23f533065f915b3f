SUB f (n AS INTEGER)
   SELECT CASE (n)
      '  one
      !#if defined(FAST) && FAST
      CASE 1
      x = 1
      !#elif SLOW
      x = 2
      $ENDIF
      CASE ELSE
      x = 0
   END SELECT
END SUB

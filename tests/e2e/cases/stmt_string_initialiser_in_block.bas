SUB f (a AS INTEGER)
   DIM RAW b AS INTEGER
   IF a THEN
      SET  p AS char PTR
         "x"
      END SET
   END IF
   b = 2
   IF b THEN
      SHAREDSET m [ ] AS char
         "a"
      END SET
   END IF
   b = 3
END SUB

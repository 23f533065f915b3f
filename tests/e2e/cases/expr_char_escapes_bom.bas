FUNCTION skip_bom (p AS char PTR) AS INTEGER
   '\xBF = 191 : \xBB = 187 : \xEF = 239
   IF p[0] = 239  AND  p[1] = 187  AND  p[2] = 191 THEN
      FUNCTION = 3
   END IF
   '\033 = 27
   IF p[0] = 27 THEN
      FUNCTION = 1
   END IF
   FUNCTION = 0
END FUNCTION

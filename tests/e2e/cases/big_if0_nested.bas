SUB f (a AS INTEGER)
   !#if 0
   '   if (a) {
   '#ifdef OLD
   '       a = 2;
   '#endif
   '   }
   $ELSE
   a = 3
   $ENDIF
   a = 4
END SUB

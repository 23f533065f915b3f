SUB f ()
   $IF A
   x = 1
   $ELSE
   x = 2
   $ENDIF
END SUB

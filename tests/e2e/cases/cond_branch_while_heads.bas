SUB f ()
   $IF A
   WHILE a
   $ELSE
   WHILE b
   $ENDIF
      x = 1
   WEND
END SUB

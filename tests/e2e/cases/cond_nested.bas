SUB h ()
   $IF A
   $IF B
   WHILE b
   $ELSE
   WHILE c
   $ENDIF
   $ELSE
   WHILE d
   $ENDIF
      x = 1
   WEND
END SUB

SUB s ()
   x = y + #ifdef A 1
   WHILE a
   $ELSE
   2
   WHILE b
   $ENDIF
      x--
   WEND
END SUB

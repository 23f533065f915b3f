SUB p ()
   $IF A
   WHILE a
   $ELSE
   WHILE b
   $ENDIF
      x = 1
   WEND
   !#if(B)
   y = 1
   $ENDIF
END SUB

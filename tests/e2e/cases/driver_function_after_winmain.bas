FUNCTION WinMain()
   x = hInst + CmdShow
   FUNCTION = 0
END FUNCTION
SUB f ()
   a = d
END SUB

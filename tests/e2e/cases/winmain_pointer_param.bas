FUNCTION WinMain()
   DIM RAW n = 0 AS INTEGER
   paint (hInst, CmdLine, CmdShow, n)
   FUNCTION = 0
END FUNCTION

FUNCTION WinMain()
   show (hInst, CmdLine, (INTEGER) hPrev)
   FUNCTION = 0
END FUNCTION

FUNCTION WinMain()
   run (hInst, (hPrev))
   FUNCTION = 0
END FUNCTION

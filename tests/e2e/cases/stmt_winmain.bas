FUNCTION WinMain()
   ShowWindow (hwnd, CmdShow)
   FUNCTION = 0
END FUNCTION

'  Dots: a small Win32 program
' that counts mouse clicks
#include "dots.h"                                          // resource ids

CONST MAX_DOTS = 10
$IF DEBUG
CONST TRACE = 1
$ELSE
CONST TRACE = 0
$ENDIF
!#if WINVER >= 0x0400
CONST STYLE = WS_OVERLAPPEDWINDOW
$ENDIF

TYPE dot
   x AS INTEGER
   y AS INTEGER
END TYPE

GLOBAL count = 0 AS INTEGER                                'clicks so far
GLOBAL dots[MAX_DOTS] AS dot

' The window procedure
FUNCTION WndMainProc (hWnd AS HWND, msg AS UINT, wParam AS WPARAM, lParam AS LPARAM) AS LRESULT CALLBACK
   DIM RAW i AS INTEGER
   SELECT CASE (msg)
      CASE WM_LBUTTONDOWN
      IF count < MAX_DOTS THEN
         count++
      END IF
      CASE WM_DESTROY
      PostQuitMessage (0)
      CASE ELSE
      FUNCTION = DefWindowProc (hWnd, msg, wParam, lParam)
   END SELECT
   i = 0
   WHILE i<count
      Beep (440, 10)
      i++
   WEND
   FUNCTION = 0
END FUNCTION

FUNCTION WinMain()
   DIM RAW wc AS WNDCLASS
   DIM RAW msg AS MSG
   DIM RAW hWnd AS HWND
   ' Window class
   wc.lpfnWndProc = WndMainProc
   wc.hInstance = hInst
   wc.lpszClassName = "Dots"
   RegisterClass (&wc)                                     'register it
   hWnd = CreateWindow ("Dots", "Dots", STYLE, 0, 0, 300, 200, NULL, NULL, hInst, NULL)
   ShowWindow (hWnd, CmdShow)
   WHILE GetMessage (&msg, NULL, 0, 0)
      TranslateMessage (&msg)
      DispatchMessage (&msg)
   WEND
   FUNCTION = msg.wParam
END FUNCTION

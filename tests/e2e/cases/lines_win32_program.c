/* Dots: a small Win32 program
   that counts mouse clicks */
#include <windows.h>
#include "dots.h" // resource ids

#define MAX_DOTS 10
#ifdef DEBUG
#define TRACE 1
#else
#define TRACE 0
#endif
#if WINVER >= 0x0400
#define STYLE WS_OVERLAPPEDWINDOW
#endif

struct dot {
    int x;
    int y;
};

int count = 0; /* clicks so far */
struct dot dots[MAX_DOTS];

// The window procedure
LRESULT CALLBACK WndProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    int i;
    switch (msg) {
    case WM_LBUTTONDOWN:
        if (count < MAX_DOTS) count++;
        break;
    case WM_DESTROY:
        PostQuitMessage(0);
        break;
    default:
        return DefWindowProc(hWnd, msg, wParam, lParam);
    }
    for (i = 0; i < count; i++) {
        Beep(440, 10);
    }
    return 0;
}

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow)
{
    WNDCLASS wc;
    MSG msg;
    HWND hWnd;
    /* Window class */
    wc.lpfnWndProc = WndProc;
    wc.hInstance = hInstance;
    wc.lpszClassName = "Dots";
    RegisterClass(&wc); // register it
    hWnd = CreateWindow("Dots", "Dots", STYLE, 0, 0, 300, 200, NULL, NULL, hInstance, NULL);
    ShowWindow(hWnd, nCmdShow);
    while (GetMessage(&msg, NULL, 0, 0)) {
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
    return msg.wParam;
}

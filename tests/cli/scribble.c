/* scribble.c: a window you can draw in with the mouse. */
#include <windows.h>

#define APP_NAME "Scribble"
#define PEN_WIDTH 3
#define CLAMP(v, lo, hi) ((v) < (lo) ? (lo) : (v) > (hi) ? (hi) : (v))

static POINT lastPoint;
static BOOL drawing;

#if WINVER >= 0x0500
#define CLASS_STYLE (CS_HREDRAW | CS_VREDRAW | CS_DROPSHADOW)
#else
#define CLASS_STYLE (CS_HREDRAW | CS_VREDRAW)
#endif

LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    HDC hdc;
    int x, y;

    switch (msg) {
    case WM_LBUTTONDOWN:
        drawing = TRUE;
        lastPoint.x = LOWORD(lParam);
        lastPoint.y = HIWORD(lParam);
        SetCapture(hwnd);
        return 0;
    case WM_MOUSEMOVE:
        if (drawing) {
            x = CLAMP(LOWORD(lParam), 0, 2000);
            y = CLAMP(HIWORD(lParam), 0, 2000);
            hdc = GetDC(hwnd);
            MoveToEx(hdc, lastPoint.x, lastPoint.y, NULL);
            LineTo(hdc, x, y);
            ReleaseDC(hwnd, hdc);
            lastPoint.x = x;
            lastPoint.y = y;
        }
        return 0;
    case WM_LBUTTONUP:
        drawing = FALSE;
        ReleaseCapture();
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProc(hwnd, msg, wParam, lParam);
}

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow)
{
    WNDCLASS wc;
    HWND hwnd;
    MSG msg;
    int width = GetSystemMetrics(SM_CXSCREEN) > 1024 ? 800 : 640;

    ZeroMemory(&wc, sizeof(wc));
    wc.style = CLASS_STYLE;
    wc.lpfnWndProc = WndProc;
    wc.hInstance = hInstance;
    wc.hCursor = LoadCursor(NULL, IDC_CROSS);
    wc.hbrBackground = (HBRUSH) GetStockObject(WHITE_BRUSH);
    wc.lpszClassName = APP_NAME;
    if (!RegisterClass(&wc))
        return 1;

    hwnd = CreateWindow(APP_NAME, APP_NAME, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                        width, width * 3 / 4, NULL, NULL, hInstance, NULL);
    ShowWindow(hwnd, nCmdShow);
    UpdateWindow(hwnd);

    while (GetMessage(&msg, NULL, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
    return (int) msg.wParam;
}

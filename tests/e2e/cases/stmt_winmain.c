int WINAPI WinMain(HINSTANCE hI, HINSTANCE hP, LPSTR cl, int cs) {
    ShowWindow(hwnd, cs);
    return 0;
}

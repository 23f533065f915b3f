int WINAPI WinMain(HINSTANCE hInst, HINSTANCE hPrev, LPSTR cmd)
{
    show(hInst, cmd, (int)hPrev);
    return 0;
}

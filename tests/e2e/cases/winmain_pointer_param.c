int WINAPI WinMain(HINSTANCE inst, HINSTANCE prev, char *cmd, int show)
{
    int n = 0;
    paint(inst, cmd, show, n);
    return 0;
}

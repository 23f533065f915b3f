int WINAPI WinMain(HINSTANCE a, HINSTANCE b)
{
    run(a, (b));
    return 0;
}

int WINAPI WinMain(HINSTANCE a, HINSTANCE b, LPSTR c, int d)
{
    x = a + d;
    return 0;
}
void f(void)
{
    a = d;
}

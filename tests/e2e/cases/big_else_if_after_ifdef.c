void f(int a)
{
    if (a > 0) {
        x = 1;
    }
#ifdef _WIN32
    // windows
    else if (a < 0) {
        x = 2;
    }
#endif
    else {
        x = 3;
    }
}

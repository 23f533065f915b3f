void f(int n)
{
    switch (n) {
    case 1: // one
#if defined(FAST) && FAST
        x = 1;
#elif SLOW
        x = 2;
#endif
        break;
    default:
        x = 0;
    }
}

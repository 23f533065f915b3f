void f(int a)
{
    if (a) {
        a = 0;
    }
    // other
    else {
        a = 1;
    }
}

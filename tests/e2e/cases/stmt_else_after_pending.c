void f(int a, int b)
{
    if (a) {
        if (b) {
            a = 0; } }
    else {
        a = 1;
    }
}

void f(int a)
{
    if (a) {
        x = 1;
    }
    // first note
    // second note
    y = 2;
}

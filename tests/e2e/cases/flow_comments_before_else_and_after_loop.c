void f(int a)
{
    if (a) {
        x = 1;
    }
    // first note

    // second note
    else {
        x = 2;
    }
    do {
        a--;
    }
    /* counted down */

    y = 2;
}

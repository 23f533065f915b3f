void f(int c)
{
    while (c)
        /* g(1);
        h(2); */
        k(3);
    if (c)
    /* old:
       g(4); */
        k(5);
    for (i = 0; i < c; i++)
        /* g(9);
           h(10); */
        k(11);
    switch (c) {
    case 1:
        /* g(6);
           h(7); */
        k(8);
        break;
    }
}

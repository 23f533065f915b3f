void f(int k)
{
    {
        k = 1;
    }
    switch (k) {
    case 1:
        k = 2;
        break;
    default:
        k = 3;
    }
}

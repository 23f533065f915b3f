if (a) if (b) while (c) {
    x = 1;
}
if (d) y = 2;
{
    z = 3;
}

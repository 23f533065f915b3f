switch (n) {
case 1:
#if SHORT
    if (a) {
        x = 1;
    }
#endif
    break;
}

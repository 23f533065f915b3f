switch (n) {
case 1: case 2:
    x = 1;
    break;
case 3:
    if (y) {
        break;
    }
    x = 3;
    break;
default:
    x = 0;
}

if (x == 1) {
    y = 2;
} else if (x > 2) {
    y = 3;
} else {
    y = 4;
}
if (a) b = 1;
else b = 2;

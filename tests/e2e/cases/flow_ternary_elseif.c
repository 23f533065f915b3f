if (x) {
    y = 1;
} else if (a ? b : c) {
    y = 2;
}

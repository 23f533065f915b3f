if (a) {
    if (b) c = 1;
}

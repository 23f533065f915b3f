if (a) while (b) {
    b--;
}
if (c) for (i = 0; i < 3; i++) {
    d();
}

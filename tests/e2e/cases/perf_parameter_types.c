void f(WORD HWND *x, char **y, double z) {
}

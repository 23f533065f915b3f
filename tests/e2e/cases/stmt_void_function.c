void greet(void) {
    puts("hi");
}

int main(void) {
    int n = 3;
    n = n + 1;
    return 0;
}

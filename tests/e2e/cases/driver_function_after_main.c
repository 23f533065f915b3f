int main(void) {
    return 0;
}

int twice(int n) {
    return n * 2;
}

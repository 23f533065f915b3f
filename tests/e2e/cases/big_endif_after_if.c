if (a) {
x;
}
#endif
z = 1;

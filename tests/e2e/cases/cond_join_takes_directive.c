void s(void) {
  x = y +
#ifdef A
      1;
  while (a) {
#else
      2;
  while (b) {
#endif
    x--;
  }
}

void f(void) {
#ifdef A
  while (a) {
#else
  while (b) {
#endif
    x = 1;
  }
}

void h(void) {
#ifdef A
#ifdef B
  while (b) {
#else
  while (c) {
#endif
#else
  while (d) {
#endif
    x = 1;
  }
}

void e(void) {
  if (a) {
    x = 1;
  }
#ifdef X
  else if (b) {
    x = 2;
  }
#endif
  else {
    x = 3;
  }
}

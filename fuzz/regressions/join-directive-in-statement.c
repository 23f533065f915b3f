void n(void) {
  if (a) {
    x = 1;
  }
#ifdef X
  else {
    x = 2;
  }.
#else
  y = 3;
#endif
}

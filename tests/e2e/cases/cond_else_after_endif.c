void m(void) {
  if (a) {
    x = 1;
#ifdef X
  }
#else
    y = 1;
  }
#endif
  else {
    z = 1;
  }
}

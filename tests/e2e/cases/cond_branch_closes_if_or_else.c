void g(void) {
  if (a) {
    x = 1;
#ifdef X
  }
#else
  } else {
    x = 2;
  }
#endif
}

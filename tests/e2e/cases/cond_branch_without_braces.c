void k(void) {
#ifdef A
  if (a)
    x = 1;
#else
  x = 2;
#endif
  y = 3;
}

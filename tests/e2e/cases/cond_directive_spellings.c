void p(void) {
# ifdef A
  while (a) {
#	else
  while (b) {
#  endif
    x = 1;
  }
#if(B)
  y = 1;
#endif
}

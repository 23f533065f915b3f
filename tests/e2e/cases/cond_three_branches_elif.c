int g(int n) {
#if defined(A)
  if (n > 0) {
#elif defined(B)
  if (n < 0) {
#else
  if (n == 0) {
#endif
    n = 1;
  }
  return n;
}

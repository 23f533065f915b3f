static void f(int m)
{
  A_FETCH
  C_FETCH
#ifndef NDEBUG
  if (m) g(1);
#endif
  switch (m) {
    case 1:
      g(1);
  }
  A_STORE
  C_STORE
}

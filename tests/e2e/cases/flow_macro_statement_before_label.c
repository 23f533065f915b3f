void f(int c) {
  switch (c) {
    case 1:
      x = 0;
      FALL_THROUGH
    case 2:
      y = 2;
      CHECK(y)

    default:
      y = 3;
  }
}

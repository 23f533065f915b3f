void f(int c) {
  switch (c) {
    case '"':   /* q */
    case 1: {
      x = 1;
    }
  }
  if (c == '"') n++; // quote
}

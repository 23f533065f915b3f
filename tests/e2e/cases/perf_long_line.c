int f(int x) { x = x + 1; if (x > 3) { x = 2; } x = x + 1; if (x > 3) { x = 2; } return x; }

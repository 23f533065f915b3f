num f(int p) { return p; }

total = a + // first
   b +
   c;
ch = '\n';
k = 'a';
n = p->len + s.len;
timer.count = '}';

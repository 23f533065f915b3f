for (i = 0; i < 10; i++) {
    sum += i;
}
for (i = 0, j = 9; i < j; i++, j--) x++;
for (int k = 0; k < n; k++)
    total += k;
for (;;) {
    poll();
}
for (i = 0;
     i < n;
     i++) {
    go(i);
}

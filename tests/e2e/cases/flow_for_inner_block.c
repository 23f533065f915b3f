for (i = 0; i < n; i++) if (a[i]) {
    k++;
}
x = 1;

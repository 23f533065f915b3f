x = a > b ? a : b; // bigger
if (a ? b : c) {
    y = 1;
}
x = 0;
while (p ? q : r) n++;

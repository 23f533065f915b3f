switch (n) {
case 1: x = 1; }
while (n) {
    while (k) k--; }
for (i = 0; i < 2; i++) { } y = 1;

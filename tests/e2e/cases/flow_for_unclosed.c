x = 1;
for (i = 0;

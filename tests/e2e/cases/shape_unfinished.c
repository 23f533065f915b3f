x = 1;
y = x +

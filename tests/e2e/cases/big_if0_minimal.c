#if 0
this is { not C
#endif
x = 1;

if (a) {
x;
}
#if defined(W)
else { y; }
#endif

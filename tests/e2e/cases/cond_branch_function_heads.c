#ifdef A
int f(int a) {
#else
int f(void) {
#endif
return 1;
}

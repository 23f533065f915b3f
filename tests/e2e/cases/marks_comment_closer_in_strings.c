void f(void) {
x = g("a*/b", "c*/d", 1);
puts("e*/
*/
f");
}

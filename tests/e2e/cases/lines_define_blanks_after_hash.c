#  define SQ(x) \
((x) * (x))
int f(int a)
{
return SQ(a);
}

# define LIMIT 10
#ifndef LIMIT
#   define LIMIT 5
#  endif
#  define TWICE(x) \
	((x) + \
	 (x))
int g(int a)
{
# ifdef DEBUG
    return TWICE(a);
# else
    return a;
# endif
}
# if 0
old(1);
# endif
void h(int n)
{
    switch (n) {
    case 1:
# if SHORT
        n = 2;
# endif
        break;
    }
}

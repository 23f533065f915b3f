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

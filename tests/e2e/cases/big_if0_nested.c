void f(int a)
{
#if 0
	if (a) {
#ifdef OLD
	    a = 2;
#endif
	}
#else
    a = 3;
#endif
    a = 4;
}

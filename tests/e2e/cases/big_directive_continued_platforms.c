#if defined(_WIN32) || \
	defined(__CYGWIN__)
#define SEP 92
#elif defined(__unix__) \
   || defined(__APPLE__)
#define SEP 47
#endif

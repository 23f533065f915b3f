API_EXPORT int f(void)
{
    return 0;
}
int
__stdcall
g(int a)
{
    return a;
}
INTERFACE INLINE int h(pointer p) { return 1; }
DECL(struct item *) item_new(const char *name)
{
    return 0;
}
_GLFWwindow *make(void)
{
    return 0;
}
static inline int k(void)
/* comment */
{
    return 2;
}

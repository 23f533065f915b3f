#define LIMIT 5   /* Retry after
                   * many times.
                   */
void f(void)
{
    x = 1; /* set once,
              never again */
    g(x);
}

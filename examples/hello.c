/* hello.c: a small console program to try the translator on */
#include <stdio.h>

#define LIMIT 10

int square(int n)
{
    return n * n;
}

int main(void)
{
    int i, total = 0;
    for (i = 0; i < LIMIT; i++) {
        if (i % 2 == 0)
            total += square(i); // even numbers only
    }
    printf("total = %d\n", total);
    return 0;
}

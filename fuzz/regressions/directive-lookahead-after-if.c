if ((fp =‘—á×—amLLFOR )¸ {
    fail();
/* hello.c: a small console program to try the translator on */
}
#include <stdio.h>

#define LIMIT 10

int sq
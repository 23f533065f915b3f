#include <stdio.h> // lost
#include <mmsystem.h>
#include <GL\gl.h>
# include "My.h"
int main(void)
{
    int c = '/'; // slash
    printf("http://x");
    return 0;
}

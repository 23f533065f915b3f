#define SQLITE_TABLE {\
  /* 0x00 */ 0, 1,\
  /* 0x02 */ 2, 3 \
}
#define N 4
void f(void)
{
    x = N;
}

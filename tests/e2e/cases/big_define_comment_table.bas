$HEADER
#define SQLITE_TABLE { \
/* 0x00 */
0, 1,\
/* 0x02 */
2, 3 \
}
$HEADER
CONST N = 4
SUB f ()
   x = N
END SUB

$HEADER
#define INIT { \
/* 0 */
1, 2,\
/* 8 */
3, 4,\
}
$HEADER
GLOBAL x AS INTEGER

'  c
$HEADER
#define E ( x ) do {
} while (0)
$HEADER
GLOBAL y AS INTEGER

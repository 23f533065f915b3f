$LIBRARY <winmm.lib>
$LIBRARY <opengl32.lib>
#include <gl\gl.h>
#include "my.h"
DIM RAW c = 47 AS INTEGER                                  'slash
printf ("http://x")

!#if defined(_WIN32) || defined(__CYGWIN__)
CONST SEP = 92
!#elif defined(__unix__) || defined(__APPLE__)
CONST SEP = 47
$ENDIF

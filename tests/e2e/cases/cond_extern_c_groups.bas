$IF __cplusplus
"C"
$ENDIF

GLOBAL counter AS INTEGER

SUB tick ()
   counter++
END SUB

$IF __cplusplus
$ENDIF

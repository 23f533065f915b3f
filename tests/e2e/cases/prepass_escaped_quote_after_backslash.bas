$IPRINT_OFF
x = f ("\\`")
$IPRINT_ON
y = 1

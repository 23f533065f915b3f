x = a BAND b BOR c

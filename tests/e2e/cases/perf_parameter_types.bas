SUB f (x AS HWND AS WORD PTR, y AS char PTR PTR, z AS double)
END SUB

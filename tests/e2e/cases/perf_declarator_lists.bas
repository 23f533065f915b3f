GLOBAL first  AS INTEGER PTR, second[4 *2]  AS INTEGER PTR PTR, third  AS INTEGER

SUB f ()
   DIM RAW a[3 *4] AS long PTR, b AS long PTR PTR PTR, c AS long, d AS long PTR
END SUB

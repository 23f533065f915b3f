GLOBAL list[8]  AS pollfd
GLOBAL head AS node PTR
FUNCTION count (n AS node PTR, c AS color) AS INTEGER
   DIM RAW shade AS color
   DIM RAW u AS cell
   DIM RAW p AS node PTR
   FUNCTION = 0
END FUNCTION

DIM RAW n = 3 AS INTEGER
n = n + 1

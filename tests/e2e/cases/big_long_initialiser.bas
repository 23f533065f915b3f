SET primes[] AS INTEGER
   '  small
   '  odd
   2, 3, 5, 7, 13, 17, 11
END SET

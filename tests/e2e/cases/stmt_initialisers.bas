SET greeting [ ] AS char
   "hello"
END SET
SET primes[3] AS INTEGER
   2, 3, 5
END SET

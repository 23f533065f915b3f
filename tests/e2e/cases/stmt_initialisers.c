char greeting[] = "hello";
int primes[3] = {2, 3, 5};

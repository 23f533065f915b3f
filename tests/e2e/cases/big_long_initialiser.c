int primes[] = {
    2, 3, // small
    5, 7, /* odd */

	13,	17,
    11 };

do {
    k--;
} while (k > 0);

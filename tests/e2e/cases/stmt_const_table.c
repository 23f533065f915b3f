const int table[] = {1, 2};

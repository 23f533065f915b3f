x = a & b | c;

#if A && \
    B
x = 1;
#endif

struct outer {
    int kind;
    struct
    {
        int x;
    } where;
} o;

int f(int c)
{
    c = '\x41';
    c = c + '\101';
    if (c == '\xEF') {
        c = '\012';
    }
    return '\0';
}

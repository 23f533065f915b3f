int skip_bom(char *p)
{
    if (p[0] == '\xEF' && p[1] == '\xBB' && p[2] == '\xBF')
        return 3;
    if (p[0] == '\033')
        return 1;
    return 0;
}

int main(void)
{
    for (p = s; (p = strtok(p, ",")) != NULL; p = NULL) {
        n++;
    }
    for (i = 0, j = 9; i < max(j, 3); i++, j--)
        go(i, j);
    return 0;
}

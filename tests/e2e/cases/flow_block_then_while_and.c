int main(void)
{
    if (a) {
        x = 1;
    }
    while (k<n && z) {
        k++;
    }
    return 0;
}

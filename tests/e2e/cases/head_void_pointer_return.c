void *alloc_block(void *udata, int size)
{
    return udata;
}
void g(void)
{
}

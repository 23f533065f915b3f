void f(struct term *p, struct term *q)
{
}

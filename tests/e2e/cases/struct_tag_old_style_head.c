struct action *Action_sort(ap)
struct action *ap;
{
    return ap;
}

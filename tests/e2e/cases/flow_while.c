while (p != NULL) {
    p = p->next;
}
while (n--) total += n;
while (busy());

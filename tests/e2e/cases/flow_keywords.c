while (go) {
    if (skip) continue;
    delete buf;
    n = sizeof(int);
    goto done;
    x = (char FAR *) y;
}

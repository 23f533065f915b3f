if ((fp = fopen(name, "r")) == NULL) {
    fail();
}

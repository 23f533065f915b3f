#ifdef __cplusplus
extern "C" {
#endif

int counter;

void tick(void) {
  counter++;
}

#ifdef __cplusplus
}
#endif

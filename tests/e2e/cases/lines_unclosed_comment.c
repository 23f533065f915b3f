int x;
/* this comment
never ends

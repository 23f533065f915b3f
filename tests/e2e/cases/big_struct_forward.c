struct node; // later
int count;

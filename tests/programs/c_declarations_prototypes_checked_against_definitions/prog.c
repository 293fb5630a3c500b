int agrees(int a, char *s);
char returns_other(void);
int counts_differ(int a);
int points_elsewhere(int *p);
int unchecked();
int nowhere(int a);
int main(void)
{
  int block_level(unsigned int u);
  return agrees(1, "x") + unchecked(2) + nowhere(3);
}
int agrees(int a, char *s) { return a + *s; }
int returns_other(void) { return 1; }
int counts_differ(int a, int b) { return a + b; }
int points_elsewhere(unsigned int *p) { return *p; }
int unchecked(int a) { return a; }
int block_level(int u) { return u; }

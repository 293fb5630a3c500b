/* What a function pointer or a void * cannot do. */
int twice(int x) { return x + x; }
char letter(char c) { return c; }
int apply(int (*f)(int), int x) { return f(x); }

int main(void)
{
  int plain;
  int (*p)(int);
  void (*q)(void);
  void *v;

  plain = apply(letter, 3);
  plain(2);
  plain = *v;
  v = v + 1;
  p = p + 1;
  plain = v[0];
  plain = p(1, 2);
  q = twice;
}

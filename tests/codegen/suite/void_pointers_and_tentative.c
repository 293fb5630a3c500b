/* void * carries any object pointer and gives it back; tentative definitions make one object. */
int counter;
int counter = 3;
int shared;
int shared;
extern int later;
int later = 11;

void copy_words(void *to, const void *from, int n)
{
  int *t = to;
  const int *f = from;
  while (n-- > 0) *t++ = *f++;
}

void *first_nonzero(int *v, int n)
{
  int i;
  for (i = 0; i < n; i++)
    if (v[i] != 0) return &v[i];
  return 0;
}

int main(void)
{
  int a[4] = {0, 0, 5, 6};
  int b[4];
  void *p;
  int *q;
  copy_words(b, a, 4);
  if (b[2] != 5 || b[3] != 6) return 1;
  p = first_nonzero(a, 4);
  q = p;
  if (q != &a[2] || *q != 5) return 2;
  if (first_nonzero(b, 2) != 0) return 3;
  if (counter != 3 || shared != 0 || later != 11) return 4;
  shared = counter + later;
  if (shared != 14) return 5;
  return 0;
}

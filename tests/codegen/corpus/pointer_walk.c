/* Walking an array through pointers: a sum by *p and p = p + 1, a maximum
   through p[i], doubling in place between two pointers, a reversal whose
   pointers are compared as addresses, and sums kept through a pointer to a
   global. */
int samples[9] = {12, -5, 33, 7, -60, 21, 0, 45, -8};
int total;
int out[8];

int sum_walk(int *p, int n)
{
  int s;

  s = 0;
  while (n > 0) {
    s += *p;
    p = p + 1;
    n--;
  }
  return s;
}

int largest(int *p, int n)
{
  int m;
  int i;

  m = p[0];
  for (i = 1; i < n; i++) {
    if (p[i] > m) {
      m = p[i];
    }
  }
  return m;
}

void double_all(int *p, int n)
{
  int *end;

  end = p + n;
  while (p < end) {
    *p = *p + *p;
    p++;
  }
}

void reverse(int *p, int n)
{
  int *q;
  int t;

  q = p + n;
  q--;
  while (p < q) {
    t = *p;
    *p = *q;
    *q = t;
    p++;
    q--;
  }
}

void accumulate(int *target, int *p, int n)
{
  int i;

  for (i = 0; i < n; i++) {
    *target += p[i];
  }
}

int main(void)
{
  total = 0;
  out[0] = sum_walk(samples, 9);
  out[1] = largest(samples, 9);
  double_all(&samples[2], 4);
  reverse(samples, 9);
  out[2] = samples[0];
  out[3] = samples[4];
  out[4] = samples[8];
  accumulate(&total, samples, 9);
  accumulate(&total, &samples[6], 3);
  out[5] = total;
  out[6] = largest(&samples[5], 4);
  out[7] = sum_walk(samples, 9);
}

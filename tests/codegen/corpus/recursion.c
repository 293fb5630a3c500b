/* Recursive functions on a shift-and-add multiplication: a sum, a factorial,
   a power by squaring and a doubly recursive Fibonacci, whose local must
   survive its second call. */
#define BITS _TAVREL_N

int out[8];

int mul(int a, int b)
{
  int r;

  r = 0;
  while (b != 0) {
    if ((b & 1) != 0) {
      r += a;
    }
    a <<= 1;
    b >>= 1;
  }
  return r;
}

int sum(int n)
{
  if (n == 0) {
    return 0;
  }
  return n + sum(n - 1);
}

int fact(int n)
{
  int f;

  if (n <= 1) {
    return 1;
  }
  f = fact(n - 1);
  return mul(n, f);
}

int power(int base, int e)
{
  int h;

  if (e == 0) {
    return 1;
  }
  h = power(base, e >> 1);
  h = mul(h, h);
  if ((e & 1) != 0) {
    h = mul(h, base);
  }
  return h;
}

int fib(int n)
{
  int a;

  if (n < 2) {
    return n;
  }
  a = fib(n - 1);
  return a + fib(n - 2);
}

int main(void)
{
  out[0] = sum(10);
  out[1] = fact(5);
  out[2] = fact(7);
  out[3] = power(3, 5);
  out[4] = power(2, BITS - 1);
  out[5] = fib(9);
  out[6] = mul(-7, 13);
  out[7] = power(-3, 3);
}

/* C's * / and %, signed and unsigned, checked against independent computations: a product by
   repeated addition, a quotient and remainder by C's definition (q*b + r == a, |r| < |b|, r has
   the sign of a; by 0 the quotient is all ones and the remainder a). A mismatch counts, and the
   count, if not zero, is reported by IEM, so -run ends with status 1.
   Run: build/tavrel -N 8 -run examples/arithmetic.c  (or -N 12, -N 16) */
#define INT_MAX _TAVREL_INT_MAX
#define UINT_MAX _TAVREL_UINT_MAX

int failures;

void check(int ok)
{
  if (!ok)
    failures++;
}

int magnitude(int v)
{
  return v < 0 ? -v : v;
}

/* Counts down the smaller magnitude, so that the check stays quick at 16 bits; negating both
   factors leaves the product unchanged modulo the word. */
int slow_product(int a, int b)
{
  int p = 0, t;
  unsigned int n;
  if ((unsigned int)magnitude(a) < (unsigned int)magnitude(b)) {
    t = a;
    a = b;
    b = t;
  }
  if (b < 0) {
    a = -a;
    b = -b;
  }
  n = b;
  while (n != 0) {
    p += a;
    n--;
  }
  return p;
}

void check_signed(int a, int b)
{
  int q, r;
  q = a / b;
  r = a % b;
  if (b == 0) {
    check(q == -1);
    check(r == a);
    return;
  }
  check(slow_product(q, b) + r == a);
  check((unsigned int)magnitude(r) < (unsigned int)magnitude(b));
  check(r == 0 || (r < 0) == (a < 0));
}

void check_unsigned(unsigned int a, unsigned int b)
{
  unsigned int q, r;
  q = a / b;
  r = a % b;
  if (b == 0) {
    check(q == UINT_MAX);
    check(r == a);
    return;
  }
  check(slow_product(q, b) + r == a);
  check(r < b);
}

int main(void)
{
  int a, b, x;
  for (a = -100; a < 100; a += 13)
    for (b = -9; b < 10; b += 2) {
      check(a * b == slow_product(a, b));
      check_signed(a, b);
      check_unsigned(a, b);
    }
  check_signed((-INT_MAX - 1), 7);
  check_unsigned(UINT_MAX, 3);
  check_unsigned(UINT_MAX, UINT_MAX - 1);
  check_unsigned(5, (-INT_MAX - 1));
  x = 7;
  x *= 6;
  check(x == 42);
  x /= -5;
  check(x == -8);
  x %= 3;
  check(x == -2);
  check(x * 8 == -16 && 4 * x == -8);
  if (failures != 0) {
#asm R6;
    R6 = failures;
    asm( IEM R6 );
#endasm
  }
}

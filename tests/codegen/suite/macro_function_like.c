/* Function-like macros: parameters in parentheses, nesting, commas inside parentheses. */
#define SQUARE(x) ((x) * (x))
#define MAX(a, b) ((a) > (b) ? (a) : (b))
#define FIRST(a, b) a
#define APPLY(f, x) f(x)
#define TWICE(x) (2 * (x))
#define NOTHING()
#define ADD3(a, b, c) ((a) + (b) + (c))

int calls;

int bump(int v)
{
  calls++;
  return v + 1;
}

int main(void)
{
  int i = 3;
  if (SQUARE(i + 1) != 16) return 1;
  if (MAX(MAX(1, 7), 5) != 7) return 2;
  if (FIRST((1, 2), 3) != 2) return 3;
  if (APPLY(TWICE, 5) != 10) return 4;
  if (APPLY(SQUARE, APPLY(TWICE, 2)) != 16) return 5;
  NOTHING();
  if (ADD3(1, (2, 3), MAX(4, 0)) != 8) return 6;
  if (SQUARE(bump(1)) != 4 || calls != 2) return 7;
  if (MAX ( 2 , 9 ) != 9) return 8;
  return 0;
}

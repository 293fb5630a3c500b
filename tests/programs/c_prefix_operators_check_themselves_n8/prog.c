// The prefix operators: each result compared with its value worked out by hand.
#define UMAX _TAVREL_UINT_MAX
int failures;
unsigned int u;
int a[3] = {5, 0, -7};

void check(int got, int expected)
{
  if (got != expected)
    failures++;
}

int main(void)
{
  int i = 0;
  int *p;
  check(!0, 1);
  check(!5, 0);
  check(!a[1], 1);
  check(!a[0], 0);
  check(~0, -1);
  check(~a[0], -6);
  check(~a[2], 6);
  u = 0;
  u = ~u;
  check(u == UMAX, 1);
  check(++i, 1);
  check(++i, 2);
  check(i, 2);
  check(--i, 1);
  check(i--, 1);
  check(i, 0);
  p = a;
  ++p;
  check(*p, 0);
  check(!!a[2], 1);
  if (!a[1])
    i = 10;
  check(i, 10);
  while (!(i == 0))
    --i;
  check(i, 0);
  if (failures != 0) {
#asm R6;
    R6 = failures;
    asm( IEM R6 );
#endasm
  }
}

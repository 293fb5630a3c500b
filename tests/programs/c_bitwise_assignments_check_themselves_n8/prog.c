// The compound assignments of bitwise operators, compared with values worked out by hand.
int failures;
unsigned int flags;
int a[3] = {12, 10, 6};

void check(int got, int expected)
{
  if (got != expected)
    failures++;
}

int main(void)
{
  int i = 1;
  int r;
  flags = 0;
  flags |= 5;
  check(flags, 5);
  flags &= 4;
  check(flags, 4);
  flags ^= 6;
  check(flags, 2);
  a[i] |= 5;
  check(a[1], 15);
  a[i++] &= 9;
  check(a[1], 9);
  check(i, 2);
  r = (a[2] ^= 3);
  check(r, 5);
  check(a[2], 5);
  if ((flags |= 8) != 10)
    failures++;
  for (i = 0; i < 3; i++)
    a[0] ^= 1;
  check(a[0], 13);
  if (failures != 0) {
#asm R6;
    R6 = failures;
    asm( IEM R6 );
#endasm
  }
}

/* One program for two processor sizes. The sum 1 + 2 + ... + 30 = 465 and the char sum
   100 + 100 = 200 fit 16-bit registers but wrap at 8 bits, to 465 - 512 = -47 and to
   200 - 256 = -56; _TAVREL_N picks the values to expect, and a mismatch runs IEM.
   Run: build/tavrel -N 8 -run examples/word_size.c (or -N 16): both end with status 0. */
#define BITS _TAVREL_N
#define LARGEST _TAVREL_INT_MAX

int sum;
char c;
int largest;

void fail(int value)
{
#asm R6;
  R6 = value;
  asm( IEM R6 );
#endasm
}

int main(void)
{
  int i;
  int expected;
  sum = 0;
  for (i = 1; i <= 30; i++)
    sum += i;
  c = 100;
  c = c + 100;
  /* The largest int, and one more wraps to the most negative one at every size. */
  largest = LARGEST;
  if (largest + 1 > 0)
    fail(largest);
  if (BITS == 8) {
    if (sum != -47)
      fail(sum);
    if (c != -56)
      fail(c);
  } else {
    /* An 8-bit build cannot even read the constant 465, so it is made at run time. */
    expected = 232;
    expected += 233;
    if (sum != expected)
      fail(sum);
    if (c != 200)
      fail(c);
  }
}

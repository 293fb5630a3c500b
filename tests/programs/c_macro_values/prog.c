#define N 16 /* sixteen */
#define BITS _TAVREL_N
#define REGS _TAVREL_X
#define LOW _TAVREL_INT_MIN
#define HIGH _TAVREL_INT_MAX
#define TOP _TAVREL_UINT_MAX
#define B 30
#define A B
#define K 22
#define K 23
#define M 20
#define M 21
#undef M
#define SUM (20 - 3)
#define BIG 70000
#define P Q
#define Q P
#define R P
int main(void)
{
  int x;
#define V (x)
  x = 1;
  x = x << N;
  x = x << BITS;
  x = x << REGS;
  x = x << LOW;
  x = x << HIGH;
  x = x << TOP;
  x = x << A;
  x = x << K;
  x = x << M;
  x = x << SUM;
  x = x << BIG;
  x = x << V;
  x = _TAVREL_N;
}

#define BITS(n) (1 << n)
#define SHIFTED x << 40
#define NEGATE(v) (-(v))
#define DEREF(v) (*v)
int main(void)
{
  int x;
  x = 1;
  x = BITS(40);
  x = SHIFTED;
  x = NEGATE(y);
  x = DEREF(x);
}

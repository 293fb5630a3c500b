#define PAIR(a, b) ((a) + (b))
#define ONE 1
#define PASTE(a, b) a ## b
#define STRING(x) #y
#define BAD(a,) a
#if ONE / 0
#endif
#if (ONE +
#endif
#if ONE
#error a 32-bit word is needed here
#endif
int main(void)
{
  int x;
  PAIR(1);
  PAIR(1, 2, 3);
  x = PASTE(1, +) 1;
  x = PAIR(x,
#endif
}

/* A macro is not expanded again inside its own expansion, however the names chase each other. */
#define self self
#define P Q
#define Q P
#define f(x) (x + f)
#define g f
#define AGAIN(x) x

int self = 3;
int grow = 4;
int P = 5;
int f = 100;

#define grow grow + 1

int main(void)
{
  if (self != 3) return 1;
  if (grow != 5) return 2;
  if (P != 5) return 3;
  if (f(1) != 101) return 4;
  if (g(2) != 102) return 5;
  if (AGAIN(AGAIN(7)) != 7) return 6;
  return 0;
}

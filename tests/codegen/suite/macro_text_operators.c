/* # makes a string of an argument, ## pastes two tokens into one; expansion happens after. */
#define STR(x) #x
#define XSTR(x) STR(x)
#define CAT(a, b) a##b
#define NUMBER 42
#define FIELD(n) value_##n

int value_1 = 10, value_2 = 20;
int xy = 5;

int same(const char *a, const char *b)
{
  while (*a != 0 && *a == *b) {
    a++;
    b++;
  }
  return *a == *b;
}

int main(void)
{
  if (!same(STR(hello), "hello")) return 1;
  if (!same(STR(a + b), "a + b")) return 2;
  if (!same(STR(NUMBER), "NUMBER")) return 3;
  if (!same(XSTR(NUMBER), "42")) return 4;
  if (CAT(x, y) != 5) return 5;
  if (FIELD(1) + FIELD(2) != 30) return 6;
  if (CAT(4, 2) != 42) return 7;
  if (!same(STR("q"), "\"q\"")) return 8;
  return 0;
}

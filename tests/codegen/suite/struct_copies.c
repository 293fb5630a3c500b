/* Whole structures are copied word by word: assignment, initialisation, through pointers. */
struct pair {
  int a;
  int b[2];
};

struct pair table[3];

int main(void)
{
  struct pair x, y;
  struct pair *p = &table[1];
  x.a = 1;
  x.b[0] = 2;
  x.b[1] = 3;
  y = x;
  x.b[0] = 9;
  if (y.a != 1 || y.b[0] != 2 || y.b[1] != 3) return 1;
  *p = y;
  table[2] = *p;
  if (table[2].b[1] != 3 || table[1].a != 1 || table[0].a != 0) return 2;
  {
    struct pair z = table[2];
    z.a = 7;
    if (z.b[0] != 2 || table[2].a != 1) return 3;
    table[0] = z;
  }
  if (table[0].a != 7) return 4;
  return 0;
}

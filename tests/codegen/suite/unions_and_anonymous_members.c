/* A union's members share their first word; anonymous members are reached through the
   enclosing structure. */
union word {
  int signed_value;
  unsigned int bits;
  struct {
    int low;
    int high;
  } halves;
};

struct message {
  int kind;
  union {
    int number;
    int *pointer;
  };
  struct {
    int x, y;
  };
};

int main(void)
{
  union word w;
  struct message m;
  int target = 8;
  w.signed_value = -1;
  if (w.bits != 0u - 1u) return 1;
  w.halves.high = 3;
  if (w.halves.low != -1 || w.halves.high != 3) return 2;
  w.bits = 5u;
  if (w.halves.low != 5) return 3;
  m.kind = 1;
  m.number = 4;
  m.x = 6;
  m.y = 7;
  if (m.kind + m.number + m.x + m.y != 18) return 4;
  m.pointer = &target;
  *m.pointer += 1;
  if (target != 9) return 5;
  return 0;
}

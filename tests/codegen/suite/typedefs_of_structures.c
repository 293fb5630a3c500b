/* typedef names for structures: anonymous, tagged, declared before the structure is complete. */
typedef struct node node_t;
struct node {
  int value;
  node_t *next;
};

typedef struct {
  int width, height;
} size_t_like;

typedef union {
  int i;
  unsigned u;
} number;

int area_of(const size_t_like *s)
{
  return s->width * s->height;
}

int main(void)
{
  node_t a, b;
  size_t_like s;
  number n;
  a.value = 1;
  a.next = &b;
  b.value = 2;
  b.next = 0;
  if (a.next->value + a.value != 3) return 1;
  s.width = 3;
  s.height = 4;
  if (area_of(&s) != 12) return 2;
  n.i = 6;
  if (n.u != 6u) return 3;
  return 0;
}

/* Structures and unions as C programs use them: layout and sizeof in words (member offsets by
   address differences), whole-structure copies, arrays of structures walked by pointer,
   nested and self-referencing structures, unions read through another member, anonymous
   members, nested, designated and partial initialisers, and compound literals. Each result is
   compared with the value worked out by hand; a mismatch counts, and the count, if not zero,
   is reported by IEM, so -run ends with status 1.
   Run: build/tavrel -N 8 -L 8 -run examples/structures.c  (or -N 12, -N 16) */
struct point { int x; int y; };
struct segment { struct point from, to; char tag; };
typedef struct { int head, tail; char data[4]; } queue;
struct node { int value; struct node *next; };
union word { unsigned int whole; char low; int pair[2]; };
struct sensor {
  int id;
  struct { int raw; int scaled; };  /* anonymous: raw and scaled are the sensor's */
  union { int limit; unsigned int mask; };
};

int failures;
struct point origin;                                  /* all 0 */
struct segment diagonal = {{1, 2}, {3, 4}, 'd'};
struct segment flat = {5, 6, 7, 8};                   /* braces left out */
struct point corners[4] = {{1, 1}, [2] = {.y = 9, .x = 8}, {4}};
struct sensor probes[] = {{1, 10, 20, 30}, {.id = 2, .scaled = 5, .mask = 7}};

void check(int got, int expected)
{
  if (got != expected)
    failures++;
}

int length_squared(const struct segment *s)
{
  int dx = s->to.x - s->from.x, dy = s->to.y - s->from.y;
  return dx * dx + dy * dy;
}

void layout(void)
{
  struct segment s;
  check(sizeof(struct point), 2);
  check(sizeof s, 5);
  check(sizeof(queue), 6);
  check(sizeof(union word), 2);
  check(sizeof(struct sensor), 4);
  check(sizeof corners / sizeof corners[0], 4);
  check(sizeof s.from, 2);
  check((int)&s.to.y - (int)&s, 3);
  check((int)&s.tag - (int)&s.from.x, 4);
  check((int)&corners[3] - (int)&corners[0], 6);
  check(&corners[3] - &corners[1], 2);
}

void initialisers(void)
{
  struct point local = {.y = 3};
  struct point *p = &corners[0];
  check(origin.x + origin.y, 0);
  check(diagonal.to.y * 10 + diagonal.from.x, 41);
  check(diagonal.tag, 'd');
  check(flat.from.y + flat.to.x, 13);
  check(flat.tag, 0);
  check(local.x * 10 + local.y, 3);
  check(p[1].x + p[1].y, 0);
  check(p[2].x * 10 + p[2].y, 89);
  check(corners[3].x * 10 + corners[3].y, 40);
  check(sizeof probes / sizeof probes[0], 2);
  check(probes[0].raw + probes[0].scaled + probes[0].limit, 60);
  check(probes[1].raw * 100 + probes[1].scaled * 10 + probes[1].limit, 57);
}

void copies(void)
{
  struct segment a, b;
  struct point saved;
  a = diagonal;
  check(length_squared(&a), 8);
  a.to.x = 9;
  check(diagonal.to.x, 3);
  b = a;
  check(b.to.x * 10 + b.tag, 90 + 'd');
  saved = b.from;
  check(saved.x * 10 + saved.y, 12);
  corners[1] = saved;
  check(corners[1].y, 2);
  *&corners[0] = corners[1] = corners[2];
  check(corners[0].x + corners[1].y, 17);
  corners[0] = (struct point){6, 7};
  check(corners[0].x * 10 + corners[0].y, 67);
}

void pointers(void)
{
  queue q = {0};
  queue *r = &q;
  struct point *walk, *end = corners + 4;
  struct node first, second, third, *n;
  int sum = 0, k;
  for (k = 0; k < 4; k++) {
    r->data[r->tail] = k + 1;
    r->tail++;
  }
  check(q.data[3] + q.tail, 8);
  for (walk = corners; walk < end; walk++)
    sum += walk->x;
  check(sum, corners[0].x + corners[1].x + corners[2].x + corners[3].x);
  walk = corners;
  walk += 2;
  check(walk->x, corners[2].x);
  first.value = 1;
  second.value = 20;
  third.value = 100;
  first.next = &second;
  second.next = &third;
  third.next = (struct node *)0;
  sum = 0;
  for (n = &first; n != (struct node *)0; n = n->next)
    sum += n->value;
  check(sum, 121);
  check(first.next->next->value, 100);
  ++first.next->value;
  check(second.value, 21);
  check(((struct point){.x = 4, .y = 5}).y, 5);
}

void unions(void)
{
  union word w;
  struct sensor s;
  w.whole = 0x41;
  check(w.low, 'A');
  w.pair[1] = 9;
  check(w.pair[0] + w.pair[1], 0x41 + 9);
  s.raw = 3;
  s.scaled = s.raw * 4;
  s.mask = 5;
  check(s.scaled + s.limit, 17);
  check((int)&s.limit - (int)&s.id, 3);
}

int main(void)
{
  layout();
  initialisers();
  copies();
  pointers();
  unions();
  if (failures != 0) {
#asm R6;
    R6 = failures;
    asm( IEM R6 );
#endasm
  }
}

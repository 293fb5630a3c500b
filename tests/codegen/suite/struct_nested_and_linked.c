/* Nested structures, a self-referencing list built in a pool and reversed. */
struct node {
  int value;
  struct node *next;
};

struct list {
  struct node *head;
  int length;
  struct {
    int lowest;
    int highest;
  } range;
};

struct node pool[6];

void push(struct list *l, struct node *n, int value)
{
  n->value = value;
  n->next = l->head;
  l->head = n;
  l->length++;
  if (l->length == 1 || value < l->range.lowest) l->range.lowest = value;
  if (l->length == 1 || value > l->range.highest) l->range.highest = value;
}

struct node *reverse(struct node *n)
{
  struct node *done = 0;
  while (n) {
    struct node *next = n->next;
    n->next = done;
    done = n;
    n = next;
  }
  return done;
}

int main(void)
{
  struct list l;
  struct node *n;
  int i, expected = 1;
  l.head = 0;
  l.length = 0;
  for (i = 0; i < 6; i++) push(&l, &pool[i], (i * 5) % 7 + 1);
  if (l.length != 6 || l.range.lowest != 1 || l.range.highest != 7) return 1;
  if (l.head->value != 5) return 2;
  l.head = reverse(l.head);
  for (n = l.head, i = 0; n; n = n->next, i++)
    if (n->value != (i * 5) % 7 + 1) return 3;
  if (i != 6) return 4;
  expected = l.head->next->next->value;
  if (expected != 4) return 5;
  return 0;
}

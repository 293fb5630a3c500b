/* Arrays of structures, indexed and walked with a pointer that steps by a whole structure. */
struct item {
  int weight;
  int count;
  struct item *next;
};

struct item items[5];

int total(struct item *first, struct item *end)
{
  int t = 0;
  struct item *p;
  for (p = first; p < end; p++)
    t += p->weight * p->count;
  return t;
}

int main(void)
{
  int i;
  struct item *last;
  for (i = 0; i < 5; i++) {
    items[i].weight = i + 1;
    items[i].count = 2;
    items[i].next = i < 4 ? &items[i + 1] : 0;
  }
  if (total(items, items + 5) != 30) return 1;
  if (total(&items[1], &items[3]) != 10) return 2;
  if (&items[4] - &items[1] != 3) return 3;
  i = 0;
  for (last = items; last->next != 0; last = last->next)
    i++;
  if (i != 4 || last != &items[4]) return 4;
  last = items;
  last += 2;
  if (last->weight != 3 || (last - 1)->weight != 2 || last[1].weight != 4) return 5;
  return 0;
}

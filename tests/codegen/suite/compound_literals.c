/* Compound literals of structures: unnamed objects with an initialiser, as values and through
   their address. */
struct point {
  int x, y;
};

int dot(const struct point *a, const struct point *b)
{
  return a->x * b->x + a->y * b->y;
}

int main(void)
{
  struct point p;
  int k = 3;
  p = (struct point){2, 5};
  if (p.x != 2 || p.y != 5) return 1;
  if (dot(&p, &(struct point){.y = 1, .x = k}) != 11) return 2;
  p = (struct point){.x = p.y, .y = p.x};
  if (p.x != 5 || p.y != 2) return 3;
  return 0;
}

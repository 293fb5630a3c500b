/* Members of every kind, through a name, a pointer and an array element. */
struct point {
  int x;
  int y;
};

struct record {
  char tag;
  unsigned int flags;
  int values[3];
  struct point at;
  int *cursor;
};

struct record global;

void move(struct point *p, int dx, int dy)
{
  p->x += dx;
  p->y = p->y + dy;
}

int sum(const struct record *r)
{
  return r->values[0] + r->values[1] + r->values[2] + r->at.x + r->at.y;
}

int main(void)
{
  struct record local;
  struct point *p = &local.at;
  local.tag = 'r';
  local.flags = 3u;
  local.values[0] = 1;
  local.values[1] = 2;
  local.values[2] = 3;
  local.at.x = 10;
  local.at.y = 20;
  local.cursor = &local.values[1];
  move(p, 1, 2);
  if (local.at.x != 11 || p->y != 22) return 1;
  if (sum(&local) != 39) return 2;
  if (*local.cursor != 2) return 3;
  local.cursor[1] = 30;
  if (local.values[2] != 30) return 4;
  global.at = local.at;
  global.values[1]++;
  ++global.at.y;
  if (global.at.x != 11 || global.at.y != 23 || global.values[1] != 1) return 5;
  if ((int *)p != &local.at.x) return 6;
  if (local.tag != 'r' || (local.flags & 2u) == 0) return 7;
  return 0;
}

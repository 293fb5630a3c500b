/* Nested braces, designators and the zero filling of what an initialiser leaves out. */
struct point {
  int x, y;
};

struct shape {
  int kind;
  struct point corners[2];
  int tags[3];
};

int row[3] = {4, 5, 6};
struct point origin = {0};
struct point p1 = {.y = 7, .x = 3};
int sparse[6] = {[4] = 9, [1] = 2, 3};
struct shape box = {1, {{2, 3}, {4, 5}}, {6}};
struct shape partial = {.corners[1].y = 8, .tags = {1, 2}};
struct point line[] = {{1, 2}, [3] = {7, 8}};

int main(void)
{
  int i, total = 0;
  struct point local = {.x = row[2], .y = row[0] - 2};
  int counts[4] = {[2] = 5};
  for (i = 0; i < 3; i++) total += row[i];
  if (total != 15) return 1;
  if (origin.x != 0 || origin.y != 0) return 3;
  if (p1.x != 3 || p1.y != 7) return 4;
  if (sparse[4] != 9 || sparse[1] != 2 || sparse[2] != 3 || sparse[0] != 0 || sparse[5] != 0)
    return 5;
  if (box.corners[1].x != 4 || box.corners[0].y != 3 || box.tags[0] != 6 || box.tags[2] != 0)
    return 6;
  if (partial.corners[1].y != 8 || partial.kind != 0 || partial.tags[1] != 2) return 7;
  if (line[3].y != 8 || line[1].x != 0 || sizeof line / sizeof line[0] != 4) return 8;
  if (local.x != 6 || local.y != 2) return 9;
  if (counts[2] != 5 || counts[3] != 0) return 10;
  return 0;
}

/* The checks of structures and their initialisers, each reported where it stands. */
struct point { int x; int y; };
struct later;
union either { int number; char letter; };

struct point corner = {1, 2, 3};
struct point wrong_member = {.z = 1};
struct point wrong_index = {[0] = 1};
int plain[2] = {.x = 1};

int main(void)
{
  struct point p, q;
  struct later *ahead;
  struct later whole;
  union either e;
  int n;
  n = p.z;
  n = n.x;
  n = p->x;
  n = ahead->x;
  if (p == q)
    n = 1;
  n = p + 1;
  e = p;
  n = corner.x + wrong_member.x + wrong_index.x + plain[0];
  return n;
}

/* Declarations of structures that the compiler refuses while it reads them. */
struct node { int value; struct node next; };
struct point { int x; int y; };
struct point { int z; };
struct point mirror(struct point p);
int area(struct point corner, int scale);
struct twice { int a; char a; };
int main(void)
{
  return sizeof(struct missing);
}

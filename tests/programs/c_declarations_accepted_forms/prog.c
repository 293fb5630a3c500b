int pair[2] = {1, 2,};
int grid[2][3];
unsigned long wide;
int seven = 3 + 4;

int sum(int *values, int count)
{
  int total = 0;
  total = values[0] + count;
  return total;
}

int first(int *, int n)
{
  return n;
}

void step(void)
{
  char c;
  int *p;
  c++;
  *p = c;
}

int main(void)
{
  int x = 3 + 4;
  unsigned char u = 200;
  short list[3] = {1, -2, 3};
  int *p;
  x = sum(pair, 2) + first(p, seven);
  step();
  return x;
}

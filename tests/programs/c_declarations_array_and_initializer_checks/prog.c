int table[3] = {1, 2};
int empty[0];
int pair[2] = {1, 2,};
int seven = 3 + 4;
int unused[0];

void locals(int k)
{
  int x = k;
  int y = 3 + 4;
  int list[2] = {k, 5};
  int v[k];
}

int main(void)
{
  locals(1);
  pair[1] = seven;
  empty[1] = 2;
  empty[0] = 1;
  table[1] = 2;
  table[0] = 1;
  return 0;
}

/* A call's value used as an operand is copied into a temporary at once (f(2) into R15 here),
   and a temporary in use is kept in a RAM word across the next call: f(1) + f(2) adds 1 and
   2. Where an argument holds a call, every argument is evaluated before any parameter is
   assigned (f2(10, f2(5, 2)) is 7). The if keeps the listing free of pipeline NOPs. */
int f(int v) { return v; }
int f2(int a, int b) { return a - b; }
int main(void)
{
  int r;
  r = f(1) + f(2);
  r = f2(10, f2(5, 2));
  if (r) r = 0;
}

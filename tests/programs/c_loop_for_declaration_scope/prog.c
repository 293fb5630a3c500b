/* The names a for loop declares end with the loop. */
int main(void)
{
  int total = 0;
  for (int i = 0; i < 3; i++)
    total += i;
  total += i;
  return total;
}

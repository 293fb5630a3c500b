/* Bubble sort of a global array of eight numbers, negative ones included (signed
   comparisons). The program then checks that the array is in order and still holds
   the same numbers (same sum); a mismatch runs IEM (status 1).
   Run: build/tavrel -run examples/bubble_sort.c */
#define SIZE 8

int table[SIZE] = {31, -7, 88, 0, -100, 12, 12, 5};
int swaps;

void fail(int value)
{
#asm R6;
  R6 = value;
  asm( IEM R6 );
#endasm
}

void sort(void)
{
  int last;
  int i;
  int held;
  for (last = SIZE - 1; last > 0; last--)
    for (i = 0; i < last; i++)
      if (table[i] > table[i + 1]) {
        held = table[i];
        table[i] = table[i + 1];
        table[i + 1] = held;
        swaps++;
      }
}

int main(void)
{
  int i;
  int sum;
  sort();
  sum = 0;
  for (i = 0; i < SIZE; i++) {
    sum += table[i];
    if (i > 0)
      if (table[i - 1] > table[i])
        fail(i);
  }
  if (sum != 41)
    fail(sum);
}

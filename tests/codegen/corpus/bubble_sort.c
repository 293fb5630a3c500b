/* Bubble sort of a global table that holds both ends of the int range.
   out[0..7] is the sorted table, out[8] the number of swaps made. */
#define LOWEST _TAVREL_INT_MIN
#define HIGHEST _TAVREL_INT_MAX

int data[8] = {23, HIGHEST, -7, LOWEST, 100, -100, 0, -7};
int out[9];

int main(void)
{
  int i;
  int j;
  int t;
  int swaps;

  swaps = 0;
  for (i = 0; i < 7; i++) {
    for (j = 0; j < 7 - i; j++) {
      if (data[j] > data[j + 1]) {
        t = data[j];
        data[j] = data[j + 1];
        data[j + 1] = t;
        swaps++;
      }
    }
  }
  for (i = 0; i < 8; i++) {
    out[i] = data[i];
  }
  out[8] = swaps;
}

/* A compiled bubble sort run to its end in the debugger, its table read back word by word
   with M: with 16-bit ints it ends -32768 -100 -7 -7 0 23 100 32767. */
int data[8] = {23, 32767, -7, -32768, 100, -100, 0, -7};

int main(void)
{
  int i;
  int j;
  int t;
  for (i = 0; i < 7; i++)
    for (j = 0; j < 7 - i; j++)
      if (data[j] > data[j + 1]) {
        t = data[j];
        data[j] = data[j + 1];
        data[j + 1] = t;
      }
}

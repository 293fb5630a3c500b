#define N 16
int g = 300;
int a[4] = {1, 2, 3, 4};
int twice(int v)
{
  return v + v;
}
int main(void)
{
  int x;
  int *p;
  x = N;
  p = a;
  x = twice(x) + a[2] + p[1];
  g = g + 1;
#asm R5;
  R5 = x;
  asm( ADD R5,R5 );
  x = R5;
#endasm
  return x;
}
/* Queried with A: the macro's name and text, blanks and punctuation (empty), a local in its
   declaration and at a use (the same text, before and after the value changes), a call (its
   RCALL), a[2] and p[1] (the RAM word and its address), a parameter, a global, a pooled
   constant, a function name, R5 of the #asm block, the asm( ) instruction and return in main. */

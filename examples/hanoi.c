/* Towers of Hanoi by recursion: four discs nest hanoi() four calls deep, exactly the default
   stack depth (Z = 4). The pegs are bit sets (disc d is bit d - 1); each move must take the
   smallest disc of its peg onto a larger one. A wrong count, move or end runs IEM (status 1).
   Run: build/tavrel -run examples/hanoi.c */
#define DISCS 4
#define ALL 15

int pegs[4];
int moves;
int illegal;

void hanoi(int disc, int from, int to, int via)
{
  int bit;
  if (disc > 1)
    hanoi(disc - 1, from, via, to);
  bit = 1 << (disc - 1);
  if ((pegs[from] & bit) == 0)
    illegal++;
  if ((pegs[from] & (bit - 1)) != 0)
    illegal++;
  if ((pegs[to] & (bit - 1)) != 0)
    illegal++;
  pegs[from] -= bit;
  pegs[to] += bit;
  moves++;
  if (disc > 1)
    hanoi(disc - 1, via, to, from);
}

void fail(int value)
{
#asm R6;
  R6 = value;
  asm( IEM R6 );
#endasm
}

int main(void)
{
  pegs[1] = ALL;
  hanoi(DISCS, 1, 3, 2);
  if (moves != 15)
    fail(moves);
  if (illegal != 0)
    fail(illegal);
  if (pegs[3] != ALL)
    fail(pegs[3]);
}

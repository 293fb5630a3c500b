/* A counter defined in another file of the project, reached through extern
   declarations; its static local keeps its value between calls. A wrong value
   is reported by IEM, which ends the run with status 1. */
extern int total;
extern int table[];

int main(void)
{
  int failures = 0;
  if (next() != 1)
    failures++;
  if (next() != 2)
    failures++;
  if (total != 3 || table[1] != 2)
    failures++;
  if (failures != 0) {
#asm R6;
    R6 = failures;
    asm( IEM R6 );
#endasm
  }
}

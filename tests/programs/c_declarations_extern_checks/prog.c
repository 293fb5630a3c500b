/* An extern declaration stands for a file-level definition somewhere in the
   program, of the same type; inside a block it takes no initialiser. A static
   local is initialised once, at the start, so its value must be a constant. */
extern int missing;
extern char wrong_type;

int main(void)
{
  extern int given = 3;
  static int counted = wrong_type + 1;
  missing = 1;
  wrong_type = 2;
  return counted;
}

int wrong_type;

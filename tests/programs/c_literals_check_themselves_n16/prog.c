// Literals as C writes them: each one is compared with its value worked out by hand.
#define MASK 0xF0   // a hexadecimal macro
#define EIGHT 010
#define BITS 0b101u
int failures;

void check(int got, int expected)  // one comparison
{
  if (got != expected)
    failures++;
}

int main(void)
{
  check('a', 97);
  check('\n', 10);
  check('\0', 0);
  check('\x41', 65);
  check('\'', 39);
  check('\\', 92);
  check('\101', 65);
  check(0b1010, 10);
  check(10u, 10);
  check(0x10L, 16);
  check(7UL, 7);
  check(5lu, 5);
  check(MASK, 240);
  check(EIGHT, 8);
  check(BITS, 5);
  // check(1, 2); would fail: this line is a comment
  if (failures != 0) {
#asm R6;
    R6 = failures;
    asm( IEM R6 );
#endasm
  }
}

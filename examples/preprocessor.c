/* The preprocessor at work: nested and self-referring macros, arguments holding commas inside
   parentheses, a call over two lines, # and ##, #if arithmetic and defined, #ifdef and #elif
   chains, and __TAVREL_N__ choosing what to expect. Each result is compared with the value
   worked out by hand from C's rules; a mismatch counts, and a count other than zero is reported
   by IEM, so -run ends with status 1.
   Run: build/tavrel -N 8 -L 8 -run examples/preprocessor.c  (or -N 16) */
#define TWO 2
#define FOUR (TWO + TWO)
#define SQUARE(x) ((x) * (x))
#define ADD(a, b) ((a) + (b))
#define FIRST(a, b) a
#define APPLY(f, v) f(v)
#define CAT(a, b) a##b
#define XCAT(a, b) CAT(a, b)
#define STR(s) #s
#define XSTR(s) STR(s)
#define SELF SELF
#define LOOP_A LOOP_B
#define LOOP_B LOOP_A
#define f(x) (x + f)
#define EMPTY
#define NOTHING()
#define LEVEL 3

int failures;

void check(int got, int expected)
{
  if (got != expected)
    failures++;
}

void expansions(void)
{
  int SELF = 3;   /* SELF stays SELF: a variable of that name */
  int LOOP_A = 5; /* LOOP_A gives LOOP_B, which gives LOOP_A again, and there it stops */
  int value12 = 12;
  int f = 1;
  check(FOUR, 4);
  check(SQUARE(FOUR), 16);
  check(SQUARE(1 + 2), 9);
  check(ADD(SQUARE(2), FOUR), 8);
  check(FIRST((1, 2), 3), 2);
  check(ADD((3, 4), 5), 9);
  check(APPLY(SQUARE, 3), 9);
  check(SELF + LOOP_A, 8);
  check(f(2), 3);
  check(f(f(1)), 3);
  check(CAT(value, 12), 12);
  check(XCAT(value, CAT(1, 2)), 12);
  check(CAT(1, 0) + CAT(, 5) + CAT(6, ), 21);
  check(EMPTY 7 NOTHING() EMPTY, 7);
  check(ADD(1,
            2) * TWO, 6);
  check(-TWO - -TWO, 0);
}

void strings(void)
{
  char plain[] = STR(a  +  b);
  char quoted[] = STR("q\n");
  char expanded[] = XSTR(FOUR);
  char unexpanded[] = STR(FOUR);
  check(sizeof(plain), 6);
  check(plain[1] == ' ' && plain[2] == '+' && plain[4] == 'b', 1);
  check(sizeof(quoted), 6);
  check(quoted[0] == '"' && quoted[2] == '\\' && quoted[3] == 'n' && quoted[4] == '"', 1);
  check(sizeof(expanded), 8);
  check(expanded[0] == '(' && expanded[1] == '2' && expanded[3] == '+', 1);
  check(sizeof(unexpanded), 5);
  check(unexpanded[0], 'F');
}

/* Each condition's value worked out by hand, stored beside it. */
#if 1 + 2 * 3 == 7 && (10 - 4) / 3 == 2 && 17 % 5 == 2 && -7 / 2 == -3 && -7 % 2 == -1
int precedence = 1;
#else
int precedence = 0;
#endif
#if -1 < 0u
int signed_below_unsigned = 1;
#else
int signed_below_unsigned = 0;
#endif
#if (1 << 20) > 1000000 && 0x10 == 16 && 010 == 8 && 0b11 == 3 && 'A' == 65 && '\n' == 10
int wide_and_literal = 1;
#else
int wide_and_literal = 0;
#endif
#if (0 && 1 / 0) || (1 ? 2 : 1 / 0) == 2
int short_circuit = 1;
#else
int short_circuit = 0;
#endif
#if ~0 == -1 && !0 == 1 && (5 ^ 3) == 6 && (5 | 3) == 7 && (5 & 3) == 1 && (-16 >> 2) == -4
int bitwise = 1;
#else
int bitwise = 0;
#endif
#if defined(TWO) && defined FOUR && !defined(NOPE) && NOPE == 0 && SQUARE(3) == 9
int definedness = 1;
#else
int definedness = 0;
#endif
#if LEVEL == 1
int level = 10;
#elif LEVEL == 2
int level = 20;
#elif LEVEL == 3
int level = 30;
#else
int level = 40;
#endif
#if 0
#if 1
int nested = 1;
#else
int nested = 2;
#endif
#elif 0
int nested = 4;
#else
int nested = 3;
#endif
#define GONE 1
#undef GONE
#ifdef GONE
int gone = 1;
#elif defined TWO
int gone = 2;
#endif
#ifndef GONE
#define GONE 5
#endif

#if __TAVREL_N__ == 8
#define WORD_MAX 127
#elif __TAVREL_N__ == 16
#define WORD_MAX 32767
#else
#define WORD_MAX 0
#endif
#if __TAVREL_N__ * __TAVREL_N__ > 100
int wide_word = 1;
#else
int wide_word = 0;
#endif

void conditions(void)
{
  unsigned int all = ~0u;
  check(precedence, 1);
  check(signed_below_unsigned, 0);
  check(wide_and_literal, 1);
  check(short_circuit, 1);
  check(bitwise, 1);
  check(definedness, 1);
  check(level, 30);
  check(nested, 3);
  check(gone + GONE, 7);
  check(WORD_MAX, (int)(all >> 1));
  check(wide_word, __TAVREL_N__ > 10);
  check(__TAVREL__, 1);
  check(__LINE__, 164);
  check(_TAVREL_INT_MIN < 0 && _TAVREL_INT_MIN + WORD_MAX == -1, 1);
}

int main(void)
{
  expansions();
  strings();
  conditions();
  if (failures != 0) {
#asm R6;
    R6 = failures;
    asm( IEM R6 );
#endasm
  }
}

/* #if arithmetic, defined, #elif chains and groups nested inside skipped groups. */
#define LEVEL 3
#define FLAG
#define ZERO 0

int main(void)
{
  int r = 0;
#if LEVEL * 4 == 12 && defined(FLAG) && !defined NOPE
  r += 1;
#else
  return 1;
#endif
#if LEVEL > 5
  return 2;
#elif LEVEL > 2
  r += 2;
#elif LEVEL > 1
  return 3;
#else
  return 4;
#endif
#if ZERO
#if 1
  return 5;
#endif
  return 6;
#endif
#ifdef FLAG
  r += 4;
#endif
#ifndef FLAG
  return 7;
#else
  r += 8;
#endif
#if (7 % 4 << 2) == 12 && (-1 < 0) && (0x10 | 3) == 19 && (5 ? 6 : 7) == 6 && UNDEFINED == 0
  r += 16;
#endif
#if defined(LEVEL) + defined(FLAG) + defined(NOPE) == 2
  r += 32;
#endif
#undef FLAG
#ifdef FLAG
  return 8;
#endif
  return r == 63 ? 0 : 9;
}

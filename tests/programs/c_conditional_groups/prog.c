#ifndef UNDEFINED
#define SHOWN 41
#else
#define SHOWN 1
#endif
#define GUARD 1
#ifndef GUARD
#define HIDDEN 1
#else
#define OTHER 42
#endif
int main(void)
{
  int x;
  x = 1;
#ifndef GUARD
  x = x << 50;
#endif
  x = x << SHOWN;
  x = x << OTHER;
}

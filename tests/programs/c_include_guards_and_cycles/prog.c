#include "a.h"
#include "a.h"
#include "prog.c"
int main(void)
{
  int x;
  x = ping(1);
  x = x << A_VALUE;
}

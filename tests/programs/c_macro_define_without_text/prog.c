#include "lib.h"
#include "lib.h"
#define EMPTY
int main(void)
{
  shared = EMPTY;
  return 0;
}

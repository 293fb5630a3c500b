#define SEEN 30
#define SEEN 1
#include <lib.h>
int main(void)
{
  int x;
  x = twice(1);
  x = x << SEEN;
  x = x << FROM_HEADER;
  x = x << LIB_BITS;
}

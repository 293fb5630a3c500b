#ifndef A_H
#define A_H 1
#include "b.h"
#define A_VALUE 40
int ping(int v)
{
  return pong(v);
}
#endif

#ifndef B_H
#define B_H 1
#include "a.h"
int pong(int v)
{
  return v;
}
#endif

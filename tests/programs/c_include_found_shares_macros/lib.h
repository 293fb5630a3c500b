#define LIB_BITS 20
#define FROM_HEADER SEEN
int twice(int v)
{
  return v + v;
}

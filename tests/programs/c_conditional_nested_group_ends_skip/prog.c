#define OUTER 1
#ifndef OUTER
#ifndef INNER
#endif
int x;
#endif
int main(void)
{
}

#define WORD abc
int main(void)
{
  int x;
  x = WORD;
}

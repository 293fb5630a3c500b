char c;
unsigned char u;
int i;
unsigned w;
long l;
short s;
unsigned long ul;
signed char sc;
int *p;

void take_char(char x)
{
}

char *pointer_to_char(void)
{
  return p;
}

int *from_int(void)
{
  return i;
}

int *from_char(void)
{
  return c;
}

int *from_unsigned_char(void)
{
  return u;
}

char narrow(void)
{
  return i;
}

int main(void)
{
  narrow();
  from_unsigned_char();
  from_char();
  from_int();
  pointer_to_char();
  take_char(sc);
  take_char(u);
  take_char(ul);
  take_char(s);
  take_char(l);
  take_char(w);
  i = c;
  c = u;
  c = i;
  return 0;
}

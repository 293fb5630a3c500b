/* A running light on output port 0: one lit bit walks from bit 0 up to bit 7 and back
   down to bit 0, fifteen steps, each written to the port by OUT in an #asm macro (C itself
   has no port access). On a wrong step count or pattern the macro runs IEM (status 1).
   Run: build/tavrel -run examples/running_light.c */
#define LIGHT_PORT 0
#define TOP 128

int light;
int steps;
int lit;

void show(int pattern)
{
#asm R6;
  R6 = pattern;
  asm( OUT R6,LIGHT_PORT );
#endasm
  lit = lit | pattern;
  steps++;
}

void fail(int value)
{
#asm R6;
  R6 = value;
  asm( IEM R6 );
#endasm
}

int main(void)
{
  light = 1;
  while (light != TOP) {
    show(light);
    light <<= 1;
  }
  while (light != 1) {
    show(light);
    light >>= 1;
  }
  show(light);
  if (steps != 15)
    fail(steps);
  if (lit != 255)
    fail(lit);
}

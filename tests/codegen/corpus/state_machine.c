/* Two switch-driven machines. A frame decoder: START, a length, that many
   data bytes and a check byte equal to the low seven bits of their sum; a
   bad check sends the decoder to an error state that swallows one byte.
   A command interpreter: pairs of (operation, argument) on an accumulator. */
#define START 126
#define IDLE 0
#define LENGTH 1
#define DATA 2
#define CHECK 3
#define ERROR 9

int stream[19] = {126, 3, 10, 20, 30, 60, 126, 2, 7, 8, 99, 126, 0, 0, 126, 1, 127, 127, 126};
int commands[14] = {0, 5, 1, 7, 3, 2, 4, 15, 2, 100, 8, 0, 1, -4};
int out[8];

int interpret(int *code, int n)
{
  int acc;
  int k;
  int op;
  int arg;

  acc = 0;
  for (k = 0; k < n; k = k + 2) {
    op = code[k];
    arg = code[k + 1];
    switch (op) {
      case 0: {
        acc = arg;
      }
      case 1: {
        acc += arg;
      }
      case 2: {
        acc -= arg;
      }
      case 3: {
        acc = acc << arg;
      }
      case 4: {
        acc = acc ^ arg;
      }
      default: {
        acc = -acc;
      }
    }
  }
  return acc;
}

int main(void)
{
  int state;
  int i;
  int b;
  int remaining;
  int sum;
  int good;
  int bad;
  int skipped;
  int payload;

  state = IDLE;
  remaining = 0;
  sum = 0;
  good = 0;
  bad = 0;
  skipped = 0;
  payload = 0;
  for (i = 0; i < 19; i++) {
    b = stream[i];
    switch (state) {
      case IDLE: {
        if (b == START) {
          state = LENGTH;
        }
      }
      case LENGTH: {
        remaining = b;
        sum = 0;
        if (b == 0) {
          state = CHECK;
        } else {
          state = DATA;
        }
      }
      case DATA: {
        sum += b;
        remaining--;
        if (remaining == 0) {
          state = CHECK;
        }
      }
      case CHECK: {
        if (b == (sum & 127)) {
          good++;
          payload += sum;
          state = IDLE;
        } else {
          bad++;
          state = ERROR;
        }
      }
      default: {
        skipped++;
        state = IDLE;
      }
    }
  }
  out[0] = good;
  out[1] = bad;
  out[2] = skipped;
  out[3] = payload;
  out[4] = state;
  out[5] = remaining;
  out[6] = interpret(commands, 14);
  out[7] = interpret(&commands[4], 6);
}

/* A ring buffer as firmware keeps one between a receiver and a sender: a structure with its
   indexes and its words, reached through a pointer, sized by a macro and wrapped by a
   function-like macro. Bytes come in on input port 0 (read once, then walked as a sequence),
   go out on output port 1, and every result is checked against the same sums worked out here;
   a failed check reports its line through tavrel.h's expect (IEM), so -run ends with status 1.
   Run: build/tavrel -N 8 -run examples/ring_buffer.c  (or -N 16) */
#include <tavrel.h>

#define RING_SIZE 8
#define NEXT(i) (((i) + 1) % RING_SIZE)
#define IS_EMPTY(r) ((r)->count == 0)
#define IS_FULL(r) ((r)->count == RING_SIZE)

struct ring {
  int head;  /* where the next word goes */
  int tail;  /* where the oldest word is */
  int count;
  int dropped;
  int data[RING_SIZE];
};

struct ring received;

void put(struct ring *r, int word)
{
  if (IS_FULL(r)) {
    r->dropped++;
    return;
  }
  r->data[r->head] = word;
  r->head = NEXT(r->head);
  r->count++;
}

int get(struct ring *r)
{
  int word = r->data[r->tail];
  r->tail = NEXT(r->tail);
  r->count--;
  return word;
}

int main(void)
{
  int seed = in(0) + 3;
  int i, sum = 0, sent = 0;
  for (i = 0; i < 10; i++)
    put(&received, seed + i);
  expect(received.count == RING_SIZE);
  expect(received.dropped == 2);
  while (received.count > 5) {
    int word = get(&received);
    out(1, word);
    sum += word;
    sent++;
  }
  expect(sent == 3 && sum == 3 * seed + 3);
  for (i = 0; i < 4; i++)
    put(&received, i);
  expect(received.dropped == 3 && IS_FULL(&received));
  expect(received.head == 3 && received.tail == 3);
  sum = 0;
  while (!IS_EMPTY(&received))
    sum += get(&received);
  expect(sum == 5 * seed + 3 + 4 + 5 + 6 + 7 + 0 + 1 + 2);
  return 0;
}

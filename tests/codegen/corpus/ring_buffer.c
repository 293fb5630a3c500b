/* A ring buffer of RING_SIZE words behind a struct, filled and drained through a pointer
   as a driver's queue is. Each value of script puts itself into the ring, except 0, which
   takes the oldest value out (an empty ring gives -1); a put into a full ring is refused and
   counted. What each take gave lands in out[0..], then the count left, the refused puts and
   the sum of what is still queued, read by a walk from head to tail. */
#define RING_SIZE 4

struct ring {
  int head;
  int tail;
  int count;
  int data[RING_SIZE];
};

int script[14] = {5, -3, 0, 9, 12, 40, 7, 0, 0, 100, -2, 0, 0, 0};
int out[10];

int put(struct ring *r, int value)
{
  if (r->count == RING_SIZE)
    return 0;
  r->data[r->tail] = value;
  r->tail = (r->tail + 1) % RING_SIZE;
  r->count++;
  return 1;
}

int take(struct ring *r)
{
  int value;

  if (r->count == 0)
    return -1;
  value = r->data[r->head];
  r->head++;
  if (r->head == RING_SIZE)
    r->head = 0;
  --r->count;
  return value;
}

int queued_sum(const struct ring *r)
{
  int sum = 0, k, at = r->head;

  for (k = 0; k < r->count; k++) {
    sum += r->data[at];
    at = (at + 1) % RING_SIZE;
  }
  return sum;
}

int main(void)
{
  struct ring queue = {0};
  struct ring *q = &queue;
  int i, taken = 0, refused = 0;

  for (i = 0; i < 14; i++) {
    if (script[i] == 0)
      out[taken++] = take(q);
    else if (!put(q, script[i]))
      refused++;
  }
  out[7] = q->count;
  out[8] = refused;
  out[9] = queued_sum(&queue);
}

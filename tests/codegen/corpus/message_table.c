/* A table of messages, as a protocol handler keeps one: each entry a code, the length of
   its text (worked out by the program) and the text in a char array. The table is sorted
   by code with whole-entry swaps, then searched; out holds the number of entries, the
   codes in sorted order, the index found for each query (-1 when absent), the total
   length of the texts found and a weighted checksum of every character. */
#define TEXT_WORDS 7

struct message {
  int code;
  int length;
  char text[TEXT_WORDS];
};

struct message table[] = {
  {42, 0, "reset"},
  {7, 0, "ack"},
  {-5, 0, "fault"},
  {19, 0, "status"},
  {3, 0, "nak"},
};

int queries[4] = {19, 8, -5, 42};
int out[14];

int text_length(const char *text)
{
  int n = 0;

  while (text[n] != 0)
    n++;
  return n;
}

void sort_by_code(struct message *entries, int count)
{
  struct message swap;
  int i, j;

  for (i = 0; i < count; i++)
    for (j = count - 1; j > i; j--)
      if (entries[j].code < entries[j - 1].code) {
        swap = entries[j];
        entries[j] = entries[j - 1];
        entries[j - 1] = swap;
      }
}

int find(struct message *first, struct message *last, int code)
{
  struct message *m;

  for (m = first; m < last; m++)
    if (m->code == code)
      return m - first;
  return -1;
}

int main(void)
{
  int count = sizeof table / sizeof table[0];
  int i, k, found, total = 0, checksum = 0;
  struct message *entry;

  for (entry = table; entry != table + count; ++entry)
    entry->length = text_length(entry->text);
  sort_by_code(table, count);
  out[0] = count;
  for (i = 0; i < count; i++)
    out[1 + i] = table[i].code;
  for (i = 0; i < 4; i++) {
    found = find(&table[0], &table[count], queries[i]);
    out[6 + i] = found;
    if (found >= 0)
      total += table[found].length;
  }
  out[10] = total;
  for (i = 0; i < count; i++)
    for (k = 0; k < table[i].length; k++)
      checksum += table[i].text[k] * (i + k + 1);
  out[11] = checksum;
}

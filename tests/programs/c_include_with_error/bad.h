#define HEADER 1
#define 5

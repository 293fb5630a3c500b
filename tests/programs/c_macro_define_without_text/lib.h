#ifndef LIB_H
#define LIB_H
int shared;
#endif

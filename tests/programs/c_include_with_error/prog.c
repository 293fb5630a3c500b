#include "bad.h"
int main(void)
{
}

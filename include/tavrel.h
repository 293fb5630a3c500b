/* tavrel.h: the helpers every firmware program needs, as C.
   out(port, value)   writes value to an output port (OUT); port is a constant from 0 to 127
   in(port)           the value of an input port (IN)
   fail(value)        reports value as an internal error (IEM): -run then ends with status 1
   expect(condition)  fail(__LINE__) when the condition does not hold
   stop()             leaves the program: a run ends there
   Each is a macro around a library function the compiler turns into the instruction itself;
   they take arguments, so a variable named out or in is still a variable. */
#ifndef TAVREL_H
#define TAVREL_H

#define out(port, value) asm_OUT(port, value)
#define in(port) asm_IN(port)
#define fail(value) asm_IEM(value)
#define expect(condition) \
  do {                    \
    if (!(condition))     \
      asm_IEM(__LINE__);  \
  } while (0)
#define stop() exit(0)

/* The size of the processor the program is built for. */
#define TAVREL_WORD_BITS __TAVREL_N__
#define TAVREL_REGISTERS __TAVREL_X__

#endif

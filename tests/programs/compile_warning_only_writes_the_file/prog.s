start   NOP

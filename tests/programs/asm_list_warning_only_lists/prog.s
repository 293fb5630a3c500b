start   NOP
        RJMP start

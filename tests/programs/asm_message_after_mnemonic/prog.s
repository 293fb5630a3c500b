* what a mnemonic needs right after it
        SUB,R1,R2
        IEM,R1
        ST,R1,(R2)
        ADD,R1,R2
        RJMP,here
        RB1,#Z,here
        IB0,#Z,(R2)
        BREQ,(R4)
        BREQ R4
        PMC,#1
        CST ,A #1
        CMP,R1,R2
here:   NOP,

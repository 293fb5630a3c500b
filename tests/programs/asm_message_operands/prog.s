* registers, address registers, ports, flags and commas
        ADD R1 R2
        ADD R8,R1
        ADD R,R1
        LD R1,(R3)
        LDX R1,(R2)
        STX R1,(R2)
        IJMP R2
        IJMP (R2
        IN R1,127
        OUT R1,
        RB0 #Q,there
        IB1 Z,(R2)

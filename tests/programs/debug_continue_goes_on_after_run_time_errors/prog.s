        LDIL R1,#9
        IEM R1
        PMC #1
        NOP

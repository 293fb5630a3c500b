        NOP
        PMC #5
        IEM R1

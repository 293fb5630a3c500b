        NOP

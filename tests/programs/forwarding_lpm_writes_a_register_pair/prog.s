* with registers narrower than 16 bits LPM also writes the next register
        LPM R2,(R4)
        LDIL R3,#1
        LDIL R2,#1

* with 16-bit registers LPM writes only its own register
        LPM R2,(R4)
        LDIL R3,#1
        LDIL R2,#1

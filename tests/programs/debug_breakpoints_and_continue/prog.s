* counts R1 down from 3, then writes 7 to port 4
        LDIL R1,#3
loop:   DEC R1
        RB0 #Z,loop

        LDIL R2,#7
        OUT R2,4

* Counts R1 down from 10 to 0, then runs off the end of the code.
        LDIL R1,#10
loop:   DEC R1
        RB0 #Z,loop
        NOP

* Counts R1 down from 2. After the pipeline padding the code is LDIL, NOP, NOP, ADI, RB0
* (periods 1, 1, 1, 1, then 4 taken or 1 not taken): the loop branches back once, so the run
* costs 1 + (1 + 1 + 1 + 4) + (1 + 1 + 1 + 1) = 12 periods in 9 instructions.
        LDIL R1,#2
loop:   ADI R1,#-1
        RB0 #Z,loop

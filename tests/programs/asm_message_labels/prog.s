* labels stand at column 1 only
loop ADD R1,R2
 loop ADD R1,R2
here
   : SUB R3,R1
        RJMP nowhere
        RB1 #Z,nowhere
        RB0 #Z,later
here:   NOP

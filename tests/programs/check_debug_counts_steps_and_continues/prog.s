* A loop the build leaves unpadded (it holds an IJMP): each DEC reads what the DEC of the
* turn before wrote, two instructions back, across the taken branch.
        RJMP start
        IJMP (R0)
start:  LDIL R1,#4
loop:   DEC R1
        RB0 #Z,loop
        TFR R2,R1

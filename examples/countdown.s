* Counts R1 down from 10 to 0 and counts the turns of the loop in R2. The run
* checks that the loop turned ten times: a wrong count stops it with IEM R2
* (an error, so -run ends with status 1); otherwise it runs off the end.
        LDIL R1,#10
        CLR R2
loop:   INC R2
        DEC R1
        RB0 #Z,loop
        CMPI R2,#10
        RB1 #Z,done
        IEM R2
done:   NOP

* Multiplies by repeated addition in a subroutine called twice with RCALL.
* Each product is checked against the value worked out by hand: a wrong one
* stops the run with IEM R3; otherwise the program runs off the end.
        RJMP main
* R3 := R1 * R2, for R2 above 0; R2 is used up.
multiply:
        CLR R3
again:  ADD R3,R1
        DEC R2
        RB0 #Z,again
        RET
main:   LDIL R1,#6
        LDIL R2,#7
        RCALL multiply
        CMPI R3,#42
        RB1 #Z,second
        IEM R3
second: LDIL R1,#5
        LDIL R2,#3
        RCALL multiply
        CMPI R3,#15
        RB1 #Z,done
        IEM R3
done:   NOP

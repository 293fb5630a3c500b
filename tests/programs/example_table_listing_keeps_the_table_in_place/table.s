* Sums a table of four program constants read with LPM. The table stands at
* the start, behind a jump: the NOPs that the build adds for the pipeline go
* after it, so its ROM addresses (1 to 4) stay as written. A wrong sum stops
* the run with IEM R5; otherwise the program runs off the end.
        RJMP start
table:  PMC #3
        PMC #5
        PMC #7
        PMC #11
* R3:R2 holds the ROM address of the next word (R3 is the high part).
start:  LDIL R2,#1
        CLR R3
        LDIL R4,#4
        CLR R5
next:   LPM R0,(R2)
        ADD R5,R0
        INC R2
        DEC R4
        RB0 #Z,next
        CMPI R5,#26
        RB1 #Z,done
        IEM R5
done:   NOP

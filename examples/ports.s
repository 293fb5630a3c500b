* A running light on output port 0: a single 1 bit walks from bit 0 to bit 7,
* each position written with OUT. The light must end as 0x80 and then leave
* through the carry; otherwise the run stops with IEM R1.
        LDIL R1,#1
        LDIL R2,#7
walk:   OUT R1,0
        LSL R1
        DEC R2
        RB0 #Z,walk
        OUT R1,0
        LDIL R3,#0x80
        CMP R1,R3
        RB1 #Z,last
        IEM R1
last:   LSL R1
        RB1 #C,done
        IEM R1
done:   NOP

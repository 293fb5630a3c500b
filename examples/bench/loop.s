* Nested countdown loops to time the simulator: the inner loop turns 65535 times for each of
* the 1907 turns of the outer loop. With the padding added before both loop heads that is
* 2 + 1907 * (4 + 65535 * 4 + 2) = 499912424 instructions. Needs 16-bit registers:
*     time build/tavrel -N 16 -run examples/bench/loop.s
        LDIH R3,#7
        LDIL R3,#115
outer:  LDIH R1,#255
        LDIL R1,#255
inner:  DEC R1
        RB0 #Z,inner
        DEC R3
        RB0 #Z,outer

* The assembly half of bit_count.tvr: a routine at a fixed ROM address, called
* from C with ICALL. The build loads this file before the C file, so its words
* come first in the ROM and the first one jumps over the routine to the C code.
* Run: build/tavrel -run examples/bit_count.tvr
        RJMP c_code
* count_bits, at ROM address 1: R9 := the number of 1 bits of R8 (R8 and R10
* are used up). The C code finds the address in the constant COUNT_BITS; the
* ICALL there keeps the build from adding NOPs, so the address stays 1.
        CST COUNT_BITS #1
        CLR R9
        CLR R10
loop:   LSR R8
* ADC reads the carry: two words after LSR wrote it, for the pipeline.
        NOP
        NOP
        ADC R9,R10
        CMPI R8,#0
        RB0 #Z,loop
        RET
c_code:

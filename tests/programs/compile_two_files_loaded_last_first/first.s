* loaded second: its words follow those of second.s, and it sees the constant
* defined there; the label "here" of second.s is not visible in this file
here:   LDIL R1,#VALUE
        RJMP here

* the first IEM reports and ends the run; the second is never reached
        LDIL R1,#5
        IEM R1
        IEM R2

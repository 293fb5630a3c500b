        IEM R1
        ADI R1,#100

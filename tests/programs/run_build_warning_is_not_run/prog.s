* a label without ":" is only a warning, but -run refuses it; the IEM never runs
start   IEM R1

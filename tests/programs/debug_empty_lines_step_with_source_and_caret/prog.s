* tabs before the instructions keep the caret under them
	LDIL R1,#1	LDIL R2,#2
	OUT R1,5

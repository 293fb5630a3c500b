* never read: the file after it is missing
        FOO

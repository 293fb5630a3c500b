* loaded first, because files are loaded from the last to the first
        CST VALUE #42
here:   LDIL R2,#VALUE

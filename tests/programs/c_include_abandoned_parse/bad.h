#line 1


SUB f (p AS term PTR, q AS term PTR)
END SUB

TYPE node
   type AS INTEGER
END TYPE
SUB f (a AS INTEGER)
   g (a)
END SUB

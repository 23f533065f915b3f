SUB f (value AS INTEGER)
   list = create (value)
END SUB

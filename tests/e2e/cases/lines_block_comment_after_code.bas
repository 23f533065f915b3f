CONST LIMIT = 5                                            'Retry after
' * many times.
'
SUB f ()
   x = 1                                                   'set once,
   'never again
   g (x)
END SUB

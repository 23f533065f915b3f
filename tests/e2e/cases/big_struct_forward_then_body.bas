' defined below
TYPE list
   count AS INTEGER
END TYPE
GLOBAL all AS list PTR
SUB g ()
   DIM RAW l AS list
END SUB

FUNCTION alloc_block (udata AS void PTR, size AS INTEGER) AS void PTR
   FUNCTION = udata
END FUNCTION
SUB g ()
END SUB

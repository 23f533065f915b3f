FUNCTION Action_sort (ap) AS action PTR
   DIM RAW ap AS action PTR
   FUNCTION = ap
END FUNCTION

FUNCTION f (x AS INTEGER) AS INTEGER
   x = x + 1 : if (x > 3) x = 2
   x = x + 1 : if (x > 3) x = 2
   FUNCTION = x
END FUNCTION

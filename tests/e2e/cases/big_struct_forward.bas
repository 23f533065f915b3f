' later
GLOBAL count AS INTEGER

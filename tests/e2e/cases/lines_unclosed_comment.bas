GLOBAL x AS INTEGER
'  this comment
'never ends

TYPE item
   type AS INTEGER
   next AS INTEGER
END TYPE

SUB draw (lines AS INTEGER)
   DIM RAW end AS INTEGER
   end = lines
   IF lines THEN
      glBegin (GL_LINES)
   ELSE
      glBegin (GL_POINTS)
   END IF
   glVertex2f (0, 0)
   glEnd ()
   type = end
   next = type + 1
END SUB

FUNCTION after () AS INTEGER
   FUNCTION = 1
END FUNCTION

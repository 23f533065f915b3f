' window.c - window handling

FUNCTION glfwCreateWindow (width AS INTEGER, height AS INTEGER, title AS LPCCH) AS GLFWwindow PTR
   DIM RAW window AS _GLFWwindow PTR
   window = _glfwAlloc (width, height)
   FUNCTION = window
END FUNCTION

FUNCTION find_window (list AS _GLFWwindow PTR, id AS INTEGER) AS _GLFWwindow PTR
   WHILE list
      IF list->id = id THEN
         FUNCTION = list
      END IF
      list = list->next
   WEND
   FUNCTION = NULL
END FUNCTION

SUB glfwDestroyWindow (handle AS GLFWwindow PTR)
   _glfwFree (handle)
END SUB

FUNCTION worker (arg AS LPVOID) AS DWORD CALLBACK
   FUNCTION = 0
END FUNCTION

/* window.c - window handling */

GLFWAPI GLFWwindow* glfwCreateWindow(int width, int height, const char* title)
{
    _GLFWwindow* window;
    window = _glfwAlloc(width, height);
    return window;
}

static _GLFWwindow *
find_window(_GLFWwindow *list, int id)
{
    while (list) {
        if (list->id == id)
            return list;
        list = list->next;
    }
    return NULL;
}

GLFWAPI void glfwDestroyWindow(GLFWwindow* handle)
{
    _glfwFree(handle);
}

DWORD WINAPI
worker(LPVOID arg)
{
    return 0;
}

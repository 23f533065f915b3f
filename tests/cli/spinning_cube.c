/* spinning_cube.c: a lit cube that turns; space pauses, escape quits. */
#include <GL/glut.h>
#include <math.h>

#define SPEED 45.0
#define DEG2RAD(d) ((d) * 3.14159265 / 180.0)
#define SWAP_IF(c, a, b) do { if (c) { float t_ = a; a = b; b = t_; } } while (0)

#if defined(GL_VERSION_2_0)
#define USE_SHADERS 1
#elif defined(GL_VERSION_1_5)
#define USE_SHADERS 0
#endif

static float angle;
static int paused;
static int lastTime;

void display(void)
{
    float light[4] = { 1.0f, 1.0f, 1.0f, 0.0f };

    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    glLightfv(GL_LIGHT0, GL_POSITION, light);
    glTranslatef(0.0f, 0.0f, -5.0f);
    glRotatef(angle, 1.0f, 1.0f, 0.0f);
    glutSolidCube(1.5);
    glutSwapBuffers();
}

void idle(void)
{
    int now = glutGet(GLUT_ELAPSED_TIME);
    float step = paused ? 0.0f : (float) (SPEED * (now - lastTime) / 1000.0);

    lastTime = now;
    angle = angle + step;
    if (angle > 360.0f)
        angle = angle - 360.0f;
    glutPostRedisplay();
}

void keyboard(unsigned char key, int x, int y)
{
    if (key == 27)
        exit(0);
    if (key == ' ')
        paused = !paused;
}

void reshape(int w, int h)
{
    if ((h == 0 ? 1 : h) > 0) {
        glViewport(0, 0, w, h);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        gluPerspective(45.0, (double) w / (h == 0 ? 1 : h), 1.0, 100.0);
        glMatrixMode(GL_MODELVIEW);
    }
}

int main(int argc, char **argv)
{
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_DOUBLE | GLUT_RGB | GLUT_DEPTH);
    glutInitWindowSize(640, 480);
    glutCreateWindow("Spinning cube");
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glutDisplayFunc(display);
    glutIdleFunc(idle);
    glutKeyboardFunc(keyboard);
    glutReshapeFunc(reshape);
    lastTime = glutGet(GLUT_ELAPSED_TIME);
    glutMainLoop();
    return 0;
}

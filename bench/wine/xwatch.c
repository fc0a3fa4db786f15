/* The X side of the Wine benchmark: starts a program or clicks, and reports when the windows
 * that follow are mapped and painted. Painting is seen through the DAMAGE extension on every
 * top-level window: the time reported is that of the last drawing before the screen stayed
 * still for QUIET milliseconds.
 *
 *   bench_xwatch launch NAME COUNT QUIET TIMEOUT -- COMMAND...
 *       runs COMMAND; waits until COUNT windows named NAME are mapped, then for quiet. Prints
 *       "pid=P exec_ms=E window_ms=W": the last drawing, from the start of COMMAND and from
 *       the first X window made after it. COMMAND goes on running.
 *   bench_xwatch click X Y BUTTON CLICKS NAME QUIET TIMEOUT
 *       presses BUTTON (CLICKS times, 80 ms apart) at X,Y; waits until one more window named
 *       NAME is mapped than before, then for quiet. Prints "ms=M" from the last press.
 *   bench_xwatch geometry NAME
 *       prints "X Y W H" of the first mapped window named NAME, or fails.
 */
#define _GNU_SOURCE
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>
#include <fcntl.h>
#include <poll.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <unistd.h>

static Display *dpy;
static int damageEvent, damageError;
static double lastDamage = -1;
static double firstCreate = -1;

static double Now(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (double)t.tv_sec * 1000.0 + (double)t.tv_nsec / 1e6;
}

static int IgnoreErrors(Display *d, XErrorEvent *e) {
    (void)d;
    (void)e;
    return 0;
}

static int Named(Window w, const char *name) {
    char *got = NULL;
    int same = 0;
    if (XFetchName(dpy, w, &got) && got) {
        same = strcmp(got, name) == 0;
        XFree(got);
    }
    return same;
}

/* Mapped top-level windows named `name`. */
static int CountMapped(const char *name, Window *first) {
    Window root, parent, *children = NULL;
    unsigned int n = 0;
    int count = 0;
    if (!XQueryTree(dpy, DefaultRootWindow(dpy), &root, &parent, &children, &n)) return 0;
    for (unsigned int i = 0; i < n; ++i) {
        XWindowAttributes a;
        if (!XGetWindowAttributes(dpy, children[i], &a) || a.map_state != IsViewable) continue;
        if (Named(children[i], name)) {
            if (first && count == 0) *first = children[i];
            ++count;
        }
    }
    if (children) XFree(children);
    return count;
}

static void Track(Window w) {
    XDamageCreate(dpy, w, XDamageReportRawRectangles);
}

static void TrackAll(void) {
    Window root, parent, *children = NULL;
    unsigned int n = 0;
    if (!XQueryTree(dpy, DefaultRootWindow(dpy), &root, &parent, &children, &n)) return;
    for (unsigned int i = 0; i < n; ++i) Track(children[i]);
    if (children) XFree(children);
}

/* Handles the events waiting; returns when none is left. */
static void Drain(void) {
    while (XPending(dpy)) {
        XEvent e;
        XNextEvent(dpy, &e);
        if (e.type == CreateNotify) {
            if (firstCreate < 0) firstCreate = Now();
            Track(e.xcreatewindow.window);
        } else if (e.type == damageEvent + XDamageNotify) {
            lastDamage = Now();
        }
    }
}

/* Waits until `count` windows named `name` are mapped, then until nothing was drawn for `quiet`
 * ms. Returns the time of the last drawing (or of the mapping), or -1 after `timeout` s. */
static double WaitPainted(const char *name, int count, int quiet, int timeout) {
    const double deadline = Now() + timeout * 1000.0;
    double mapped = -1;
    struct pollfd fd = {ConnectionNumber(dpy), POLLIN, 0};
    for (;;) {
        Drain();
        const double now = Now();
        if (now > deadline) return -1;
        if (mapped < 0) {
            if (CountMapped(name, NULL) >= count) {
                mapped = now;
                XSync(dpy, False);
                continue;
            }
            poll(&fd, 1, 2);
            continue;
        }
        const double last = lastDamage > mapped ? lastDamage : mapped;
        if (now - last >= quiet) return last;
        poll(&fd, 1, (int)(quiet - (now - last)) + 1);
    }
}

int main(int argc, char **argv) {
    if (argc < 3) {
        fprintf(stderr, "usage: see the comment at the top of bench/wine/xwatch.c\n");
        return 2;
    }
    dpy = XOpenDisplay(NULL);
    if (!dpy) {
        fprintf(stderr, "bench_xwatch: no display\n");
        return 2;
    }
    XSetErrorHandler(IgnoreErrors);
    if (!XDamageQueryExtension(dpy, &damageEvent, &damageError)) {
        fprintf(stderr, "bench_xwatch: the display has no DAMAGE extension\n");
        return 2;
    }
    XSelectInput(dpy, DefaultRootWindow(dpy), SubstructureNotifyMask);
    TrackAll();
    XSync(dpy, False);
    Drain();
    lastDamage = -1;

    if (strcmp(argv[1], "launch") == 0 && argc >= 8 && strcmp(argv[6], "--") == 0) {
        const char *name = argv[2];
        const int count = atoi(argv[3]), quiet = atoi(argv[4]), timeout = atoi(argv[5]);
        const double start = Now();
        const pid_t pid = fork();
        if (pid == 0) {
            /* The command outlives this helper: it must not hold its caller's output open. */
            const int none = open("/dev/null", O_RDWR);
            dup2(none, 0);
            dup2(none, 1);
            dup2(none, 2);
            execvp(argv[7], argv + 7);
            _exit(127);
        }
        const double painted = WaitPainted(name, count, quiet, timeout);
        if (painted < 0) {
            printf("pid=%d timeout\n", (int)pid);
            return 1;
        }
        printf("pid=%d exec_ms=%.1f window_ms=%.1f\n", (int)pid, painted - start,
               firstCreate < 0 ? -1.0 : painted - firstCreate);
        return 0;
    }
    if (strcmp(argv[1], "click") == 0 && argc == 9) {
        const int x = atoi(argv[2]), y = atoi(argv[3]), button = atoi(argv[4]), clicks = atoi(argv[5]);
        const char *name = argv[6];
        const int quiet = atoi(argv[7]), timeout = atoi(argv[8]);
        const int before = CountMapped(name, NULL);
        
        XTestFakeMotionEvent(dpy, -1, x, y, CurrentTime);
        XSync(dpy, False);
        usleep(50000);
        Drain();
        lastDamage = -1;
        double start = Now();
        for (int i = 0; i < clicks; ++i) {
            if (i) usleep(80000);
            start = Now(); /* a double click counts from its second press */
            XTestFakeButtonEvent(dpy, (unsigned)button, True, CurrentTime);
            XTestFakeButtonEvent(dpy, (unsigned)button, False, CurrentTime);
            XFlush(dpy);
        }
        const double painted = WaitPainted(name, before + 1, quiet, timeout);
        if (painted < 0) {
            printf("timeout\n");
            return 1;
        }
        printf("ms=%.1f\n", painted - start);
        return 0;
    }
    if (strcmp(argv[1], "geometry") == 0) {
        Window w = 0;
        if (CountMapped(argv[2], &w) < 1) return 1;
        XWindowAttributes a;
        XGetWindowAttributes(dpy, w, &a);
        printf("%d %d %d %d\n", a.x, a.y, a.width, a.height);
        return 0;
    }
    fprintf(stderr, "bench_xwatch: unknown command\n");
    return 2;
}

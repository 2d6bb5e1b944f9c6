/* Preloaded into an unmodified program so that a pseudo-terminal can stand for its serial
 * port: the modem-control ioctls (TIOCMGET, TIOCMBIS, TIOCMBIC), which a pty refuses, are
 * answered on a pty's slave side from bits kept here (DTR and RTS set when it is opened;
 * CD, CTS and DSR as BOARD_SHIM_STATUS gives them, a number of TIOCM_* bits). Once the pty
 * is hung up (its master closed: the cable pulled) they fail with EIO as everything else on
 * it does. Everything else goes to the kernel. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <stdarg.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

enum { Descriptors = 1024 };
static int bits[Descriptors];
static char known[Descriptors];

static int (*real_ioctl(void))(int, unsigned long, ...)
{
    static int (*f)(int, unsigned long, ...);
    if (!f)
        f = (int (*)(int, unsigned long, ...))dlsym(RTLD_NEXT, "ioctl");
    return f;
}

static int is_pty_slave(int fd)
{
    struct stat st;
    /* Unix98 pty slaves are character devices with majors 136 to 143. */
    return fd >= 0 && fd < Descriptors && fstat(fd, &st) == 0 && S_ISCHR(st.st_mode) && major(st.st_rdev) >= 136 &&
           major(st.st_rdev) <= 143;
}

int ioctl(int fd, unsigned long request, ...)
{
    va_list ap;
    va_start(ap, request);
    void* argument = va_arg(ap, void*);
    va_end(ap);
    if ((request != TIOCMGET && request != TIOCMBIS && request != TIOCMBIC) || !is_pty_slave(fd))
        return real_ioctl()(fd, request, argument);
    int kernel = 0;
    if (real_ioctl()(fd, TIOCMGET, &kernel) != 0 && errno == EIO)
        return -1;
    if (!known[fd]) {
        const char* status = getenv("BOARD_SHIM_STATUS");
        bits[fd] = TIOCM_DTR | TIOCM_RTS | (status ? atoi(status) : 0);
        known[fd] = 1;
    }
    int* value = (int*)argument;
    if (request == TIOCMGET)
        *value = bits[fd];
    else if (request == TIOCMBIS)
        bits[fd] |= *value;
    else
        bits[fd] &= ~*value;
    return 0;
}

int close(int fd)
{
    static int (*real_close)(int);
    if (!real_close)
        real_close = (int (*)(int))dlsym(RTLD_NEXT, "close");
    if (fd >= 0 && fd < Descriptors)
        known[fd] = 0;
    return real_close(fd);
}

// Standard input, output and error held open, so that no file the game opens can take their place.
#include "standard_descriptors.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

void openClosedStandardDescriptors() {
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
        if (fcntl(fd, F_GETFD) != -1 || errno != EBADF) {
            continue;
        }
        // Without /dev/null there is nothing to hold the number with, and the game goes on.
        const int null = open("/dev/null", O_RDWR);
        if (null >= 0 && null != fd) {
            dup2(null, fd);
            close(null);
        }
    }
}

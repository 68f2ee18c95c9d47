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
        // open takes the lowest free number, which is fd itself: every lower one is open by now.
        // Without /dev/null there is nothing to hold the number with, and the game goes on.
        open("/dev/null", O_RDWR);
    }
}

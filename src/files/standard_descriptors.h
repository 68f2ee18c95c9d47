// Standard input, output and error held open, so that no file the game opens can take their place.
#pragma once

// Opens /dev/null on each of descriptors 0, 1 and 2 that is closed (a shell's `2>&-` closes
// one). Otherwise the next file opened would get that number: the X connection, say, would
// become standard error, and a library's error text would be written into it. Call it first in
// main, before anything opens a file.
void openClosedStandardDescriptors();

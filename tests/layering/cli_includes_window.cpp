// Must not compile: the command-line tool reaching into the window.
#include "ui/window/MainDialog.h"

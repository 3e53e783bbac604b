// Must not compile: the report (and the command line above it) cannot see a window.
#include "ui/main/main_window.h"

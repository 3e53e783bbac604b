// Must not compile: the command line cannot see the Qt adapters.
#include "platform/report_box.h"

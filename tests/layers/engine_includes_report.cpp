// Must not compile: the engine sees only its own headers.
#include "report/report.h"

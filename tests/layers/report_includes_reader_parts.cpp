// Must not compile: the readers' own parts are theirs alone; the report sees the
// public reader and the calendar's day texts.
#include "engine/read/read_support.h"

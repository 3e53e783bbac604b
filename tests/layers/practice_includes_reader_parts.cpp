// Must not compile: practice checks answers through the public reader only.
#include "engine/read/read_support.h"

// Must not compile: the writers never see the readers.
#include "engine/read/reader.h"

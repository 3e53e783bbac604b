// Must not compile: the writers never see the readers.
#include "zefnaro/read.h"

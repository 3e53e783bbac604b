// Must not compile: callers see the engine's public headers only.
#include "engine/internal/words.h"

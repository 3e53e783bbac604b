// The translation engine: pure functions, standard library only.
#pragma once

#include "arabic.h"
#include "coptic.h"
#include "english.h"
#include "numbers.h"
#include "utf8.h"

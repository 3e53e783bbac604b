// Zefnaro: what the shared library shows. Everything else in it is hidden, so a
// program can only come to rely on what these headers declare.
#pragma once

#if defined(_WIN32)
#if defined(ZEFNARO_BUILDING_LIBRARY)
#define ZEFNARO_API __declspec(dllexport)
#else
#define ZEFNARO_API
#endif
#else
#define ZEFNARO_API __attribute__((visibility("default")))
#endif

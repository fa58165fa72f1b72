#pragma once

#include <QtGlobal>

// Symbols of libDLL_Service1.so seen by the program; everything else stays hidden.
#if defined(DLL_SERVICE1_LIBRARY)
#define DLL_SERVICE1_EXPORT Q_DECL_EXPORT
#else
#define DLL_SERVICE1_EXPORT Q_DECL_IMPORT
#endif

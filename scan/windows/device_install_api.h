// The scan's platform on Windows: SetupAPI itself (link with setupapi).
#pragma once

#include <windows.h>
#include <setupapi.h>

// The platform fills this record; a layout that differs from the system's
// would corrupt memory, so refuse to build rather than run with it.
static_assert(sizeof(void*) != 4 || sizeof(SP_DEVINFO_DATA) == 28,
              "SP_DEVINFO_DATA must be 28 bytes on 32-bit Windows");

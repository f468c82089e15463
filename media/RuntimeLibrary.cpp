// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/RuntimeLibrary.h"

#include <cstdio>

namespace fretlore {

bool LoadRuntimeLibrary(QLibrary& library, const char* what)
{
    return library.load() || ReportLibraryError(library, what);
}

bool ReportLibraryError(const QLibrary& library, const char* what)
{
    std::fprintf(stderr, "Fretlore PRO: %s: %s\n", what, qPrintable(library.errorString()));
    return false;
}

} // namespace fretlore

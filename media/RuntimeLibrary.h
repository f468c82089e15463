// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLibrary>

namespace fretlore {

// The sound libraries are loaded when the sound first needs them, not linked
// to the program: the dynamic loader then maps and binds fewer libraries before
// the first window, and a library that cannot be found only leaves the program
// silent, with the reason, instead of stopping it from starting.
//
// A library's entry points are declared as members named after the functions
// (FRETLORE_DECLARE_ENTRY) and resolved in a chain of ResolveEntry calls
// (FRETLORE_RESOLVE_ENTRY), each of which names what failed on stderr.

// Loads the library; false, with the reason after "Fretlore PRO: `what`: ", if
// it cannot be loaded.
bool LoadRuntimeLibrary(QLibrary& library, const char* what);

// Says on stderr what the library last failed at; always false.
bool ReportLibraryError(const QLibrary& library, const char* what);

// Resolves one entry point; false, with the reason, if the library lacks it.
template <typename Function>
bool ResolveEntry(QLibrary& library, const char* what, const char* name, Function& entry)
{
    entry = reinterpret_cast<Function>(library.resolve(name));
    return entry || ReportLibraryError(library, what);
}

} // namespace fretlore

#define FRETLORE_DECLARE_ENTRY(name) decltype(&::name) name = nullptr;
// For use as `LoadRuntimeLibrary(library, what) FUNCTIONS(FRETLORE_RESOLVE_ENTRY)`.
#define FRETLORE_RESOLVE_ENTRY(name) &&::fretlore::ResolveEntry(library, what, #name, name)

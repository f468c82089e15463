// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/WindowSettings.h"

#include <QStringList>
#include <QTextStream>

#include <optional>

namespace fretlore {

// Reads the program's command line before the application object and any
// window exist, so that "--help" and "--version" need no display: they
// print to `out` and the program ends with status 0. An unknown option or
// an argument is reported on `err` (status 2). Qt's standard options
// ("-platform xcb", "-display :1", "-style fusion", ...) are accepted and
// left for the application object. No value: the program starts.
//
// The diagram's options change `settings` (which holds what the settings
// file gave): --left-handed and --right-handed, --fingers and --no-fingers,
// --notation english|german|latin. Without `settings` they are still read.
std::optional<int> AnswerCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err,
                                     WindowSettings* settings = nullptr);

} // namespace fretlore

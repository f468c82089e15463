#pragma once

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
std::optional<int> AnswerCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err);

} // namespace fretlore

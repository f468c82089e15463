// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "diagram/ChordDiagram.h"

#include <QString>
#include <QTextStream>

namespace fretlore {

// The window's settings: how the diagram is drawn (left-handed, finger
// numbers) and how the tone-hover hints name the notes. They are read once
// at start from the settings file and then from the command line, which
// wins; nothing writes them. Without either the window is as it always was.
//
// The file is "fretlore.conf" in the user's configuration folder
// ($XDG_CONFIG_HOME, ~/.config when unset), in the INI form:
//
//   [diagram]
//   left-handed=true
//   fingers=true
//   notation=german
using WindowSettings = DiagramOptions;

// Where the settings file lies.
QString WindowSettingsPath();

// The settings the file at `path` gives; a missing file gives the defaults.
// A value that does not read is left at its default, with a line on `err`.
WindowSettings ReadWindowSettings(const QString& path, QTextStream& err);

} // namespace fretlore

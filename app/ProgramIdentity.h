// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace fretlore {

// How the desktop knows the program: its command name (also the window class
// that task bars group the windows by, and the desktop entry's
// StartupWMClass), the name shown in titles and message boxes, its version,
// and the id its desktop entry, icon and metadata are installed under.
inline constexpr char kProgramName[] = "fretlore";
inline constexpr char kProgramTitle[] = "Fretlore PRO";
inline constexpr char kProgramId[] = "org.fretlore.FretlorePro";

// Sets the names and the version; needs no application object yet.
void NameProgram();

// Gives every window the program's icon; needs the application object.
void ShowProgramIcon();

// Names the windows' icons (what a task bar writes under a minimized
// window) after the program; call once the windows exist.
void NameWindowIcons();

} // namespace fretlore

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QString>

class QWidget;

namespace fretlore {

class LabelControl;
class TFlatButton;
class TFlatComboBox;
class TFlatEdit;
class TFlatHint;
class TFlatProgressBar;

// The program's look, made in one place: the windows build their font and
// their flat controls through here, and the tests of that look build theirs
// through here too. Every control is lime on black at its designed size, at
// (left, top) in `window`, which owns it; names and hints are the window's.

// The windows' font, "MS Sans Serif" `pixels` high.
QFont SansSerif(int pixels, bool bold = false);

// A caption named `name`, lime in `font` on the window's own background,
// sized to its text until the caller places it.
LabelControl* CreateLimeLabel(QWidget* window, const char* name, const QString& caption, const QFont& font);

// The "OK" flat button of the about and message windows, 97 x 25, named
// FlatButton1: a lime caption on black, its outline black at rest and lime
// under the mouse and held down.
TFlatButton* CreateOkButton(QWidget* window, int left, int top);

// The main window's name box for the search by name, 273 x 21: a lime
// outline, arrow and text on black, in the 11-pixel font.
TFlatComboBox* CreateNameBox(QWidget* window, int left, int top);

// A fret edit of the search by look, 33 x 19, two characters at most: a lime
// outline and text on black, black when focused, in the 11-pixel font.
TFlatEdit* CreateFretEdit(QWidget* window, int left, int top);

// The searches' progress bar, 375 x 16: a smooth lime bar from 0 to 100 in a
// lime outline.
TFlatProgressBar* CreateSearchProgressBar(QWidget* window, int left, int top);

// The main window's hint balloons: lime text in a lime outline on black, in
// the 11-pixel font, at most 255 pixels wide.
void ConfigureFlatHint(TFlatHint& hint);

} // namespace fretlore

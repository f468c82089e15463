#pragma once

class QWidget;

namespace fretlore {

class TFlatButton;

// The "OK" flat button of the about and message windows, 97 x 25 at (left,
// top): a lime caption on black, its outline black at rest and lime under the
// mouse and held down.
TFlatButton* CreateOkButton(QWidget* window, int left, int top);

} // namespace fretlore

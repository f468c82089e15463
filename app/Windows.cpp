#include "app/Windows.h"

#include "platform/ImageControl.h"

namespace fretlore {

Windows::Windows() : Splash(Form1.SplashRgn->Picture(), &Form1) {}

} // namespace fretlore

#include "app/Windows.h"

#include "platform/ImageControl.h"

namespace fretlore {

Windows::Windows(bool tryDevice)
    : Media(tryDevice), Form1(&Media), Splash(Form1.SplashRgn->Picture(), &Form1), FMessage(&Form1, Form1.Sound1)
{
    Form1.FMessage = &FMessage;
}

} // namespace fretlore

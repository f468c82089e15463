// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Windows.h"

#include "app/ProgramIdentity.h"
#include "controls/ImageControl.h"

namespace fretlore {

Windows::Windows(bool tryDevice, const DiagramOptions& settings)
    : Media(tryDevice, QString(), MidiDevice::Loading::Deferred),
      Form1(&Media, nullptr, ControlsAt::Later),
      Credits(&Form1, ControlsAt::Later),
      Splash(Form1.SplashRgn->Picture(), &Form1),
      startSound_([this] { Media.Start(); }),
      programIcon_([] { ShowProgramIcon(); }),
      hiddenControls_([this] {
          Form1.CreateControls();
          Credits.CreateControls();
      }),
      About(&Form1, Form1.Sound1),
      FMessage(&Form1, Form1.Sound1)
{
    Form1.Diagram = settings;
    Form1.Credits = &Credits;
    Form1.About = &About;
    Form1.FMessage = &FMessage;
}

} // namespace fretlore

// SPDX-License-Identifier: GPL-3.0-or-later
#include "flat/TFlatSoundUnit.h"

#include "media/AudioOutput.h"
#include "media/PcmWave.h"
#include "resources/WaveResources.h"

#include <QFile>

namespace fretlore {

TFlatSound::TFlatSound(QObject* parent, AudioOutput* output, const QString& resource)
    : QObject(parent), output_(output)
{
    QFile file(resource.isEmpty() ? WaveResourcePath(QLatin1String(kClickSound)) : resource);
    if (!file.open(QIODevice::ReadOnly) || !ReadPcmWave(file.readAll(), &samples_, &sampleRate_))
        samples_.clear();
}

void TFlatSound::Play()
{
    if (event_ < seBtnClick || event_ > sePanelExpand)
        return;
    if (samples_.isEmpty()) {
        if (beep_)
            beep_();
        return;
    }
    if (!output_)
        return;
    output_->PlayOneShotAndWait(samples_.constData(), int(samples_.size()), sampleRate_);
}

} // namespace fretlore

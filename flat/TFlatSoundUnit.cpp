#include "flat/TFlatSoundUnit.h"

#include "platform/AudioOutput.h"
#include "platform/PcmWave.h"

#include <QFile>

namespace fretlore {

TFlatSound::TFlatSound(QObject* parent, AudioOutput* output) : QObject(parent), output_(output)
{
    QFile file(QStringLiteral(":/sounds/ENC_001.wav"));
    if (!file.open(QIODevice::ReadOnly) || !ReadPcmWave(file.readAll(), &samples_, &sampleRate_))
        samples_.clear();
}

void TFlatSound::Play()
{
    if (event_ < seBtnClick || event_ > sePanelExpand || !output_ || samples_.isEmpty())
        return;
    output_->PlayOneShotAndWait(samples_.constData(), int(samples_.size()), sampleRate_);
}

} // namespace fretlore

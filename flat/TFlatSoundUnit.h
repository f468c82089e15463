#pragma once

#include <QObject>
#include <QVector>

#include <cstdint>

namespace fretlore {

class AudioOutput;

enum TSoundEvent { seBtnClick = 0, seMenu, seMenuClick, seMoveIntoBtn, sePanelExpand };

// The click sound: Play sounds the program's own "ENC_001" sound for every
// event and returns when it has finished (about 110 ms); values outside the
// enumeration play nothing. Without an output, or when the sound cannot be
// read, it plays nothing and reports nothing.
class TFlatSound : public QObject {
    Q_OBJECT
public:
    TFlatSound(QObject* parent, AudioOutput* output);

    TSoundEvent Event() const { return event_; }
    void SetEvent(TSoundEvent event) { event_ = event; }

    void Play();

private:
    AudioOutput* output_;
    TSoundEvent event_ = seBtnClick;
    QVector<std::int16_t> samples_;
    int sampleRate_ = 0;
};

} // namespace fretlore

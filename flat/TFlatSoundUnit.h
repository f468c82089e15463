// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QVector>

#include <cstdint>
#include <functional>

namespace fretlore {

class AudioOutput;

enum TSoundEvent { seBtnClick = 0, seMenu, seMenuClick, seMoveIntoBtn, sePanelExpand };

// The click sound: Play sounds the program's own "ENC_001" sound for every
// event and returns when it has gone out to the sound device (about 110 ms),
// at once when the output is silent; values outside the enumeration play
// nothing. Without an output it plays nothing. When the sound cannot be read
// it sounds the desktop's default sound instead (the Beep function, which
// the window that owns the sound sets) and reports nothing.
class TFlatSound : public QObject {
    Q_OBJECT
public:
    // `resource` is the WAVE file to play; empty, the program's own click
    // (a test gives another).
    TFlatSound(QObject* parent, AudioOutput* output, const QString& resource = QString());

    // What sounds when the click itself cannot; none by default.
    void SetBeep(std::function<void()> beep) { beep_ = std::move(beep); }

    TSoundEvent Event() const { return event_; }
    void SetEvent(TSoundEvent event) { event_ = event; }

    void Play();

private:
    AudioOutput* output_;
    TSoundEvent event_ = seBtnClick;
    QVector<std::int16_t> samples_;
    int sampleRate_ = 0;
    std::function<void()> beep_;
};

} // namespace fretlore

// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/StrumSequencer.h"

#include "platform/MessageTimer.h"
#include "media/AudioOutput.h"
#include "playback/StringPlayer.h"

namespace fretlore {

StrumSequencer::StrumSequencer(const StringPlayerSet& players, MessageTimer* timer, std::function<void()> showAgain)
    : players_(players), timer_(timer), showAgain_(std::move(showAgain))
{
}

bool StrumSequencer::sounds(int n) const
{
    const StringPlayer* p = players_[size_t(n - 1)];
    return !p->FileName().isEmpty() && p->IsOpen();
}

void StrumSequencer::Start()
{
    plannedNs_.fill(0);
    for (StringPlayer* p : players_)
        if (!p->FileName().isEmpty())
            p->Open();
    StrumStep = 0;
    timer_->SetEnabled(true);
    planFrom(1, timer_->NextTickNs());
}

void StrumSequencer::planFrom(int n, std::int64_t dueNs)
{
    for (int m = n; m <= 6; ++m) {
        if (sounds(m)) {
            players_[size_t(m - 1)]->PlayAt(dueNs);
            plannedNs_[size_t(m)] = dueNs;
            return;
        }
        dueNs += std::int64_t(kSkipMs) * 1000000;
    }
}

void StrumSequencer::Tick()
{
    timer_->SetInterval(kStepMs);
    if (StrumStep == kDone) {
        if (showAgain_)
            showAgain_();
        timer_->SetEnabled(false);
        return;
    }
    if (StrumStep < 6)
        ++StrumStep;
    if (StrumStep > 1 && sounds(StrumStep - 1))
        players_[size_t(StrumStep - 2)]->Stop();
    if (sounds(StrumStep)) {
        StringPlayer* p = players_[size_t(StrumStep - 1)];
        p->Play();
        // The next step on the grid: this string stops and the next that sounds starts.
        std::int64_t at = plannedNs_[size_t(StrumStep)];
        if (at == 0)
            at = AudioOutput::NowNs();
        const std::int64_t next = at + std::int64_t(kStepMs) * 1000000;
        if (StrumStep < 6) {
            p->StopAt(next);
            planFrom(StrumStep + 1, next);
        }
    } else {
        timer_->SetInterval(kSkipMs);
    }
    if (StrumStep == 6)
        StrumStep = kDone;
}

} // namespace fretlore

#include "playback/StrumSequencer.h"

#include "platform/MessageTimer.h"
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
    for (StringPlayer* p : players_)
        if (!p->FileName().isEmpty())
            p->Open();
    StrumStep = 0;
    timer_->SetEnabled(true);
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
    if (sounds(StrumStep))
        players_[size_t(StrumStep - 1)]->Play();
    else
        timer_->SetInterval(kSkipMs);
    if (StrumStep == 6)
        StrumStep = kDone;
}

} // namespace fretlore

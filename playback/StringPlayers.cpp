#include "playback/StringPlayers.h"

#include "playback/StringPlayer.h"

namespace fretlore {

QString StringFileName(const QString& exeDir, int player, int fret)
{
    const QString fretText = fret < 10 ? QStringLiteral("0%1").arg(fret) : QString::number(fret);
    return exeDir + QStringLiteral("mid/") + QString::number(7 - player) + u'-' + fretText + QStringLiteral(".mid");
}

void PrepareStringPlayers(const StringPlayerSet& players, const std::array<int, 6>& frets, const QString& exeDir)
{
    for (int n = 1; n <= 6; ++n) {
        StringPlayer* p = players[size_t(n - 1)];
        p->Close();
        const int fret = frets[size_t(n - 1)];
        p->SetFileName(fret < 0 ? QString() : StringFileName(exeDir, n, fret));
    }
}

void SilenceStringPlayers(const StringPlayerSet& players)
{
    for (StringPlayer* p : players) {
        p->Close();
        p->SetFileName(QString());
    }
}

} // namespace fretlore

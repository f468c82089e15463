// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/StringPlayers.h"

#include "catalogue/Instrument.h"
#include "playback/StringPlayer.h"

namespace fretlore {

QString StringFileName(const QString& exeDir, int player, int fret)
{
    const QString fretText = fret < 10 ? QStringLiteral("0%1").arg(fret) : QString::number(fret);
    const int fileNumber = GuitaristNumberOf(StringOfPlayer(player));
    return exeDir + QStringLiteral("mid/") + QString::number(fileNumber) + u'-' + fretText + QStringLiteral(".mid");
}

QString StringPlayerName(int string)
{
    return QStringLiteral("S%1").arg(PlayerNumberOf(string));
}

StringPlayerSet CreateStringPlayers(QObject* parent, MidiDevice* device)
{
    StringPlayerSet players{};
    for (int string = kStringCount - 1; string >= 0; --string)
        players[size_t(string)] = new StringPlayer(parent, StringPlayerName(string), device, string);
    return players;
}

StringPlayerSet FindStringPlayers(const QObject* parent)
{
    StringPlayerSet players{};
    for (int string = 0; string < kStringCount; ++string)
        players[size_t(string)] =
            parent->findChild<StringPlayer*>(StringPlayerName(string), Qt::FindDirectChildrenOnly);
    return players;
}

void PrepareStringPlayers(const StringPlayerSet& players, const std::array<int, 6>& frets, const QString& exeDir)
{
    for (int string = 0; string < kStringCount; ++string) {
        StringPlayer* p = players[size_t(string)];
        p->Close();
        const int fret = frets[size_t(string)];
        p->SetFileName(fret < 0 ? QString() : StringFileName(exeDir, PlayerNumberOf(string), fret));
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

// SPDX-License-Identifier: GPL-3.0-or-later
// The string players: their files, and the device errors they pass on.
#include "media/EMCIDeviceError.h"
#include "media/MidiDevice.h"
#include "playback/StringPlayer.h"
#include "playback/StringPlayers.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

using namespace fretlore;

namespace {

// The program's folder in the build, with the mid folder in it.
const QString kExeDir = QStringLiteral(FRETLORE_EXE_DIR);

QString midFile(int column, int fret)
{
    return StringFileName(kExeDir, column, fret);
}

} // namespace

TEST(StringPlayers, RaiseTheDeviceErrors)
{
    MidiDevice device;
    ASSERT_TRUE(device.HasSoundFont()) << "install fluid-soundfont-gm";
    StringPlayer player(nullptr, QStringLiteral("S1"), &device, 0);
    try {
        player.Play();
        FAIL() << "Play on a closed player";
    } catch (const EMCIDeviceError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("No MCI device open"));
    }
    EXPECT_THROW(player.Stop(), EMCIDeviceError);
    player.Close();  // harmless

    player.SetFileName(kExeDir + QStringLiteral("missing/6-03.mid"));
    try {
        player.Open();
        FAIL() << "Open of a missing file";
    } catch (const EMCIDeviceError& e) {
        EXPECT_TRUE(e.Message().contains(QLatin1String("6-03.mid")));
    }
    EXPECT_FALSE(player.IsOpen());
    EXPECT_EQ(player.DeviceId(), 0);

    player.SetFileName(midFile(1, 3));
    player.Open();
    EXPECT_TRUE(player.IsOpen());
    EXPECT_EQ(player.DeviceId(), 1);
    player.Play();
    player.Stop();
    // A new file name leaves the open device on its old file.
    player.SetFileName(QString());
    EXPECT_TRUE(player.IsOpen());
    player.Close();
    EXPECT_FALSE(player.IsOpen());
    StringPlayer orphan(nullptr, QStringLiteral("S2"), nullptr, 1);
    orphan.SetFileName(midFile(2, 0));
    EXPECT_THROW(orphan.Open(), EMCIDeviceError);
}

TEST(StringFiles, NamesAndPreparation)
{
    EXPECT_EQ(StringFileName(QStringLiteral("/opt/f/"), 1, 3), QStringLiteral("/opt/f/mid/6-03.mid"));
    EXPECT_EQ(StringFileName(QStringLiteral("/opt/f/"), 6, 0), QStringLiteral("/opt/f/mid/1-00.mid"));
    EXPECT_EQ(StringFileName(QStringLiteral("/"), 3, 12), QStringLiteral("/mid/4-12.mid"));
    EXPECT_EQ(StringFileName(QStringLiteral("/"), 2, 10), QStringLiteral("/mid/5-10.mid"));

    StringPlayer s1(nullptr, QStringLiteral("S1"), nullptr, 0), s2(nullptr, QStringLiteral("S2"), nullptr, 1),
        s3(nullptr, QStringLiteral("S3"), nullptr, 2), s4(nullptr, QStringLiteral("S4"), nullptr, 3),
        s5(nullptr, QStringLiteral("S5"), nullptr, 4), s6(nullptr, QStringLiteral("S6"), nullptr, 5);
    const StringPlayerSet players = {&s1, &s2, &s3, &s4, &s5, &s6};
    PrepareStringPlayers(players, {8, -1, 10, 9, 8, -1}, QStringLiteral("/x/"));
    EXPECT_EQ(s1.FileName(), QStringLiteral("/x/mid/6-08.mid"));
    EXPECT_TRUE(s2.FileName().isEmpty());
    EXPECT_EQ(s3.FileName(), QStringLiteral("/x/mid/4-10.mid"));
    EXPECT_EQ(s5.FileName(), QStringLiteral("/x/mid/2-08.mid"));
    EXPECT_TRUE(s6.FileName().isEmpty());
    SilenceStringPlayers(players);
    for (StringPlayer* p : players)
        EXPECT_TRUE(p->FileName().isEmpty());
}

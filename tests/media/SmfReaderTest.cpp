// SPDX-License-Identifier: GPL-3.0-or-later
// Checks the MIDI file reader on the program's own string tones, on files
// built here event by event, and on broken input of every kind: missing
// files, random bytes, files cut short at every length and thousands of
// mutations, none of which may crash it or make it hang.
#include "media/SmfReader.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <array>
#include <cstdint>
#include <random>
#include <set>

using namespace fretlore;

namespace {

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(static_cast<char>(v));
    return out;
}

QByteArray bigEndian(std::uint32_t value, int byteCount)
{
    QByteArray out;
    for (int shift = 8 * (byteCount - 1); shift >= 0; shift -= 8)
        out.append(static_cast<char>((value >> shift) & 0xFF));
    return out;
}

QByteArray header(int format, int tracks, int division)
{
    return "MThd" + bigEndian(6, 4) + bigEndian(format, 2) + bigEndian(tracks, 2) + bigEndian(division, 2);
}

QByteArray chunk(const char* tag, const QByteArray& body)
{
    return QByteArray(tag, 4) + bigEndian(static_cast<std::uint32_t>(body.size()), 4) + body;
}

QByteArray track(const QByteArray& events)
{
    return chunk("MTrk", events);
}

QByteArray tempo(int delta, std::uint32_t microsecondsPerQuarter)
{
    return bytes({delta, 0xFF, 0x51, 0x03}) + bigEndian(microsecondsPerQuarter, 3);
}

const QByteArray kEndOfTrack = bytes({0x00, 0xFF, 0x2F, 0x00});

// A format 1 file with most kinds of event: tempo changes, sysex, text,
// running status, an unknown chunk between the tracks.
QByteArray richFile()
{
    const QByteArray conductor = tempo(0, 600000) + bytes({0x00, 0xFF, 0x03, 0x04, 'S', 'o', 'n', 'g'})
        + tempo(0x60, 400000) + kEndOfTrack;
    const QByteArray notes = bytes({0x00, 0xF0, 0x03, 0x7E, 0x09, 0xF7,  // sysex
                                    0x00, 0xC1, 25,                       // program change
                                    0x00, 0x91, 60, 100, 0x00, 64, 90,   // note on, then running status
                                    0x83, 0x60, 0x81, 60, 64, 0x00, 0x91, 64, 0,  // note off, note on at 0
                                    0x10, 0xE1, 0x00, 0x40})              // pitch bend
        + kEndOfTrack;
    return header(1, 2, 480) + track(conductor) + chunk("XtrA", "??") + track(notes);
}

QString stringTonePath(int stringNumber, int fret)
{
    return QDir(QStringLiteral(FRETLORE_MIDI_DIR))
        .filePath(QStringLiteral("%1-%2.mid").arg(stringNumber).arg(fret, 2, 10, QLatin1Char('0')));
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// --- The program's string tones -------------------------------------------

TEST(SmfStringTones, EveryStringAndFretIsOneThreeSecondGuitarNote)
{
    constexpr std::array<int, 7> kOpenNote = {0, 64, 59, 55, 50, 45, 40};  // by string number
    EXPECT_EQ(QDir(QStringLiteral(FRETLORE_MIDI_DIR)).entryList({QStringLiteral("*.mid")}, QDir::Files).size(), 150);
    for (int stringNumber = 1; stringNumber <= 6; ++stringNumber) {
        for (int fret = 0; fret <= 24; ++fret) {
            SCOPED_TRACE(stringTonePath(stringNumber, fret).toStdString());
            const SmfResult result = ReadSmfFile(stringTonePath(stringNumber, fret));
            ASSERT_TRUE(result.ok()) << result.message.toStdString();
            EXPECT_EQ(result.summary.format, 0);
            EXPECT_EQ(result.summary.trackCount, 1);
            EXPECT_EQ(result.summary.division, 480);
            EXPECT_EQ(result.summary.framesPerSecond, 0);
            EXPECT_EQ(result.summary.lengthTicks, 2880);
            EXPECT_DOUBLE_EQ(result.summary.lengthMs, 3000.0);
            EXPECT_EQ(result.summary.noteOnCount, 1);

            const QByteArray file = readAll(stringTonePath(stringNumber, fret));
            const qsizetype program = file.indexOf(char(0xC0));
            const qsizetype noteOn = file.indexOf(char(0x90));
            ASSERT_GT(program, 0);
            ASSERT_GT(noteOn, 0);
            EXPECT_EQ(file[program + 1], 25) << "steel-string guitar";
            EXPECT_EQ(file[noteOn + 1], kOpenNote[stringNumber] + fret) << "pitch";
        }
    }
}

// --- Timing and counting --------------------------------------------------

TEST(SmfTiming, LengthFollowsTempoChanges)
{
    // 480 ticks at 120 bpm, then 480 at 240 bpm.
    const QByteArray file = header(0, 1, 480)
        + track(tempo(0, 500000) + bytes({0x83, 0x60}) + tempo(0, 250000).mid(1) + bytes({0x83, 0x60, 0xFF, 0x2F, 0x00}));
    const SmfResult result = ParseSmf(file);
    ASSERT_TRUE(result.ok()) << result.message.toStdString();
    EXPECT_EQ(result.summary.lengthTicks, 960);
    EXPECT_DOUBLE_EQ(result.summary.lengthMs, 750.0);
}

TEST(SmfTiming, WithoutTempoEventsTheDefaultIs120Bpm)
{
    const SmfResult result = ParseSmf(header(0, 1, 96) + track(bytes({0x83, 0x60, 0xFF, 0x2F, 0x00})));  // 480 ticks
    ASSERT_TRUE(result.ok());
    EXPECT_DOUBLE_EQ(result.summary.lengthMs, 2500.0);
}

TEST(SmfTiming, Format1TempoMapOfOneTrackAppliesToTheLongestTrack)
{
    // Conductor: 1 s per quarter, a quarter at 0.25 s from tick 960 on; notes end at 1920.
    const QByteArray conductor = tempo(0, 1000000) + bytes({0x87, 0x40})
        + tempo(0, 250000).mid(1) + kEndOfTrack;
    const QByteArray notes = bytes({0x00, 0x90, 60, 100, 0x8F, 0x00, 0x80, 60, 0}) + kEndOfTrack;
    const SmfResult result = ParseSmf(header(1, 2, 480) + track(conductor) + track(notes));
    ASSERT_TRUE(result.ok()) << result.message.toStdString();
    EXPECT_EQ(result.summary.lengthTicks, 1920);
    EXPECT_DOUBLE_EQ(result.summary.lengthMs, 2000.0 + 500.0);
}

TEST(SmfTiming, Format2TracksPlayOneAfterAnotherWithTheirOwnTempo)
{
    const QByteArray first = bytes({0x83, 0x60, 0xFF, 0x2F, 0x00});                        // 480 ticks at 120 bpm
    const QByteArray second = tempo(0, 1000000) + bytes({0x83, 0x60, 0xFF, 0x2F, 0x00});  // 480 ticks at 60 bpm
    const SmfResult result = ParseSmf(header(2, 2, 480) + track(first) + track(second));
    ASSERT_TRUE(result.ok()) << result.message.toStdString();
    EXPECT_EQ(result.summary.lengthTicks, 960);
    EXPECT_DOUBLE_EQ(result.summary.lengthMs, 1500.0);
}

TEST(SmfTiming, SmpteDivisionCountsFramesAndIgnoresTempo)
{
    // 25 frames per second of 40 ticks: one tick per millisecond. Read, but
    // refused: the synthesizer's player does not play time-code timing.
    const QByteArray file = header(0, 1, 0xE728) + track(tempo(0, 250000) + bytes({0x87, 0x68, 0xFF, 0x2F, 0x00}));
    const SmfResult result = ParseSmf(file);
    ASSERT_EQ(result.error, SmfError::Unsupported) << result.message.toStdString();
    EXPECT_TRUE(result.message.contains(QLatin1String("25 frames per second"))) << result.message.toStdString();
    EXPECT_EQ(result.summary.framesPerSecond, 25);
    EXPECT_EQ(result.summary.division, 40);
    EXPECT_EQ(result.summary.lengthTicks, 1000);
    EXPECT_DOUBLE_EQ(result.summary.lengthMs, 1000.0);
}

TEST(SmfTiming, LongestDeltaTimeIsFourBytes)
{
    const SmfResult result = ParseSmf(header(0, 1, 480) + track(bytes({0xFF, 0xFF, 0xFF, 0x7F, 0xFF, 0x2F, 0x00})));
    ASSERT_TRUE(result.ok()) << result.message.toStdString();
    EXPECT_EQ(result.summary.lengthTicks, 0x0FFFFFFF);
}

TEST(SmfCounting, NoteOnsAcrossRunningStatusSysexAndUnknownChunks)
{
    // Two sounding note-ons; the third has velocity 0, which is a note-off.
    const SmfResult result = ParseSmf(richFile());
    ASSERT_TRUE(result.ok()) << result.message.toStdString();
    EXPECT_EQ(result.summary.format, 1);
    EXPECT_EQ(result.summary.trackCount, 2);
    EXPECT_EQ(result.summary.noteOnCount, 2);
    EXPECT_EQ(result.summary.lengthTicks, 0x1E0 + 0x10);
    // 96 ticks at 0.6 s a quarter, the other 400 at 0.4 s a quarter.
    EXPECT_DOUBLE_EQ(result.summary.lengthMs, 96 * 600.0 / 480 + 400 * 400.0 / 480);
}

TEST(SmfCounting, BytesAfterTheLastTrackOrItsEndAreIgnored)
{
    const QByteArray file = header(0, 1, 480) + track(kEndOfTrack + bytes({0x12, 0x34})) + "trailing garbage";
    EXPECT_TRUE(ParseSmf(file).ok());
}

// --- Files that are not there or cannot be read ---------------------------

TEST(SmfFiles, MissingFileIsNamedInTheMessage)
{
    const QString path = QStringLiteral(FRETLORE_MIDI_DIR "/9-99.mid");
    const SmfResult result = ReadSmfFile(path);
    EXPECT_EQ(result.error, SmfError::FileMissing);
    EXPECT_TRUE(result.message.contains(path)) << result.message.toStdString();
}

TEST(SmfFiles, FoldersAndDevicesAreUnreadable)
{
    EXPECT_EQ(ReadSmfFile(QStringLiteral(FRETLORE_MIDI_DIR)).error, SmfError::Unreadable);
    EXPECT_EQ(ReadSmfFile(QStringLiteral("/dev/zero")).error, SmfError::Unreadable);  // endless: must not be read
}

TEST(SmfFiles, RandomBytesAreNotAMidiFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    std::mt19937 random(7);
    QByteArray noise;
    for (int i = 0; i < 4096; ++i)
        noise.append(static_cast<char>(random() & 0xFF));
    noise[0] = 'R';
    const QString path = dir.filePath(QStringLiteral("6-03.mid"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(noise);
    file.close();
    const SmfResult result = ReadSmfFile(path);
    EXPECT_EQ(result.error, SmfError::NotMidi);
    EXPECT_TRUE(result.message.contains(QStringLiteral("MThd"))) << result.message.toStdString();

    // The same noise behind a real header still fails cleanly.
    EXPECT_FALSE(ParseSmf(header(1, 3, 480) + noise).ok());
}

TEST(SmfFiles, OversizeFileIsRefusedUnread)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile file(dir.filePath(QStringLiteral("big.mid")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(header(0, 1, 480));
    ASSERT_TRUE(file.resize(kSmfMaxFileBytes + 1));  // sparse: costs no disk
    file.close();
    EXPECT_EQ(ReadSmfFile(file.fileName()).error, SmfError::Unsupported);
}

// --- Broken content -------------------------------------------------------

TEST(SmfBroken, EachFaultHasItsKind)
{
    const QByteArray head = header(0, 1, 480);
    struct Case {
        const char* what;
        QByteArray file;
        SmfError expected;
    };
    const std::vector<Case> cases = {
        {"RIFF file", "RIFF" + QByteArray(40, '\0'), SmfError::NotMidi},
        {"empty file", QByteArray(), SmfError::NotMidi},
        {"format 3", header(3, 1, 480) + track(kEndOfTrack), SmfError::Unsupported},
        {"header of 5 bytes", "MThd" + bigEndian(5, 4) + bigEndian(0, 2) + bigEndian(1, 2) + bigEndian(480, 2),
         SmfError::Malformed},
        {"header of 8 bytes", "MThd" + bigEndian(8, 4) + bigEndian(0, 2) + bigEndian(1, 2) + bigEndian(480, 2) +
                                  bigEndian(0, 2) + track(kEndOfTrack),
         SmfError::Unsupported},
        {"no tracks", header(1, 0, 480), SmfError::Malformed},
        {"format 0 with 2 tracks", header(0, 2, 480) + track(kEndOfTrack) + track(kEndOfTrack), SmfError::Malformed},
        {"0 ticks per quarter", header(0, 1, 0) + track(kEndOfTrack), SmfError::Malformed},
        {"23 frames per second", header(0, 1, 0xE928) + track(kEndOfTrack), SmfError::Malformed},
        {"0 ticks per frame", header(0, 1, 0xE700) + track(kEndOfTrack), SmfError::Malformed},
        {"binary chunk tag", head + chunk("\x01\x02\x03\x04", "") + track(kEndOfTrack), SmfError::Malformed},
        {"5-byte delta time", head + track(bytes({0xFF, 0xFF, 0xFF, 0xFF, 0x7F}) + kEndOfTrack), SmfError::Malformed},
        {"data byte without status", head + track(bytes({0x00, 0x40, 0x40}) + kEndOfTrack), SmfError::Malformed},
        {"running status after meta",
         head + track(bytes({0x00, 0x90, 60, 100, 0x00, 0xFF, 0x01, 0x00, 0x00, 62, 100}) + kEndOfTrack),
         SmfError::Malformed},
        {"status inside channel event", head + track(bytes({0x00, 0x90, 60, 0x90}) + kEndOfTrack), SmfError::Malformed},
        {"note cut by track end", head + track(bytes({0x00, 0x90, 60})), SmfError::Malformed},
        {"2-byte tempo", head + track(bytes({0x00, 0xFF, 0x51, 0x02, 0x07, 0xA1}) + kEndOfTrack), SmfError::Malformed},
        {"zero tempo", head + track(tempo(0, 0) + kEndOfTrack), SmfError::Malformed},
        // Meta events of a fixed size at another size: the synthesizer's player refuses them.
        {"end of track with data", head + track(bytes({0x00, 0xFF, 0x2F, 0x01, 0x00})), SmfError::Malformed},
        {"3-byte time signature", head + track(bytes({0x00, 0xFF, 0x58, 0x03, 4, 2, 24}) + kEndOfTrack),
         SmfError::Malformed},
        {"1-byte key signature", head + track(bytes({0x00, 0xFF, 0x59, 0x01, 0}) + kEndOfTrack), SmfError::Malformed},
        {"escaped system exclusive", head + track(bytes({0x00, 0xF7, 0x01, 0x7E}) + kEndOfTrack), SmfError::Malformed},
        {"4-byte SMPTE offset", head + track(bytes({0x00, 0xFF, 0x54, 0x04, 0, 0, 0, 0}) + kEndOfTrack),
         SmfError::Malformed},
        {"meta past track end", head + track(bytes({0x00, 0xFF, 0x01, 0x7F, 'x'})), SmfError::Malformed},
        {"sysex past track end", head + track(bytes({0x00, 0xF0, 0x8F, 0xFF, 0xFF, 0x7F})), SmfError::Malformed},
        {"system common status", head + track(bytes({0x00, 0xF2, 0x00, 0x00}) + kEndOfTrack), SmfError::Malformed},
        {"no end of track", head + track(bytes({0x00, 0x90, 60, 100})), SmfError::Malformed},
        {"huge chunk length", head + "MTrk" + bigEndian(0xFFFFFFFF, 4) + kEndOfTrack, SmfError::Truncated},
        {"huge header length", "MThd" + bigEndian(0xFFFFFFF0, 4) + QByteArray(6, '\0'), SmfError::Truncated},
        {"second track missing", header(1, 2, 480) + track(kEndOfTrack), SmfError::Truncated},
    };
    for (const Case& c : cases) {
        const SmfResult result = ParseSmf(c.file);
        EXPECT_EQ(result.error, c.expected) << c.what << ": " << result.message.toStdString();
        EXPECT_FALSE(result.message.isEmpty()) << c.what;
    }
}

TEST(SmfBroken, EveryCutOfAValidFileIsTruncated)
{
    for (const QByteArray& whole : {readAll(stringTonePath(6, 3)), richFile()}) {
        ASSERT_TRUE(ParseSmf(whole).ok());
        EXPECT_EQ(ParseSmf(QByteArray()).error, SmfError::NotMidi);
        for (qsizetype length = 1; length < whole.size(); ++length) {
            const SmfResult result = ParseSmf(whole.left(length));
            EXPECT_EQ(result.error, SmfError::Truncated) << "cut at " << length << ": " << result.message.toStdString();
        }
    }
}

TEST(SmfBroken, ThousandsOfMutationsAllReturnAResult)
{
    const QByteArray original = richFile();
    std::mt19937 random(20240611);
    auto below = [&random](qsizetype n) { return n <= 0 ? qsizetype(0) : static_cast<qsizetype>(random() % n); };

    int accepted = 0;
    std::set<SmfError> kinds;
    for (int round = 0; round < 4000; ++round) {
        QByteArray file = original;
        const int mutations = 1 + static_cast<int>(random() % 4);
        for (int m = 0; m < mutations; ++m) {
            switch (random() % 6) {
            case 0:  // flip one bit
                if (!file.isEmpty()) {
                    const qsizetype at = below(file.size());
                    file[at] = static_cast<char>(file[at] ^ (1 << (random() % 8)));
                }
                break;
            case 1:  // overwrite a byte, often with a byte that means something
                if (!file.isEmpty()) {
                    static constexpr std::array<int, 8> kSpecial = {0x00, 0x7F, 0x80, 0xF0, 0xF7, 0xFF, 0x2F, 0x51};
                    file[below(file.size())] = static_cast<char>(random() % 2 ? kSpecial[random() % 8] : random() & 0xFF);
                }
                break;
            case 2:  // insert bytes
                file.insert(below(file.size() + 1), QByteArray(1 + below(3), static_cast<char>(random() & 0xFF)));
                break;
            case 3:  // delete a run
                file.remove(below(file.size()), 1 + below(4));
                break;
            case 4:  // truncate
                file.truncate(below(file.size() + 1));
                break;
            case 5:  // repeat a slice
                if (!file.isEmpty()) {
                    const qsizetype from = below(file.size());
                    file.insert(below(file.size() + 1), file.mid(from, 1 + below(12)));
                }
                break;
            }
        }
        const SmfResult result = ParseSmf(file);
        if (result.ok()) {
            ++accepted;
            EXPECT_TRUE(result.message.isEmpty());
            EXPECT_GE(result.summary.trackCount, 1);
            EXPECT_GE(result.summary.lengthTicks, 0);
            EXPECT_GE(result.summary.lengthMs, 0.0);
            EXPECT_LE(result.summary.noteOnCount, file.size() / 3);
        } else {
            kinds.insert(result.error);
            EXPECT_FALSE(result.message.isEmpty());
        }
    }
    // The mutations reach past the header: some files still pass, and the
    // failures are of several kinds.
    EXPECT_GT(accepted, 0);
    EXPECT_GE(kinds.size(), 4u);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/SmfReader.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace fretlore {
namespace {

constexpr qsizetype kHeaderBytes = 14;  // "MThd", length, format, tracks, division
constexpr std::uint32_t kDefaultTempo = 500000;  // microseconds per quarter note (120 bpm)

struct TempoChange {
    qint64 tick;
    std::uint32_t microsecondsPerQuarter;
};

struct TrackScan {
    qint64 endTick = 0;
    int noteOnCount = 0;
    std::vector<TempoChange> tempi;
};

std::uint32_t bigEndian(const unsigned char* p, int byteCount)
{
    std::uint32_t value = 0;
    for (int i = 0; i < byteCount; ++i)
        value = (value << 8) | p[i];
    return value;
}

SmfResult failure(SmfError error, const QString& message)
{
    SmfResult result;
    result.error = error;
    result.message = message;
    return result;
}

QString hexByte(unsigned value)
{
    return QStringLiteral("0x%1").arg(value, 2, 16, QLatin1Char('0'));
}

// The length a meta event of this type must have, or -1 when any will do:
// end of track 0, SMPTE offset 5, time signature 4, key signature 2.
int fixedMetaLength(unsigned type)
{
    switch (type) {
    case 0x2F:
        return 0;
    case 0x54:
        return 5;
    case 0x58:
        return 4;
    case 0x59:
        return 2;
    default:
        return -1;
    }
}

// Walks the events of one track chunk (its body only). Fills `scan`, or sets
// `error` and returns false. Every step consumes at least one byte.
class TrackScanner {
public:
    TrackScanner(const unsigned char* body, qsizetype size, int trackNumber, qsizetype fileOffset)
        : m_body(body), m_size(size), m_trackNumber(trackNumber), m_fileOffset(fileOffset)
    {
    }

    bool scan(TrackScan& scan, SmfResult& error)
    {
        qint64 tick = 0;
        unsigned runningStatus = 0;
        while (m_pos < m_size) {
            const qsizetype eventStart = m_pos;
            std::uint32_t delta = 0;
            if (!readVariableLength(delta, QStringLiteral("delta time"), error))
                return false;
            tick += delta;
            if (m_pos >= m_size)
                return fail(error, eventStart, QStringLiteral("a delta time with no event after it"));

            unsigned status = m_body[m_pos];
            if (status & 0x80) {
                ++m_pos;
            } else if (runningStatus != 0) {
                status = runningStatus;
            } else {
                return fail(error, m_pos, QStringLiteral("data byte %1 where an event should start").arg(hexByte(status)));
            }

            if (status < 0xF0) {
                const qsizetype dataBytes = (status & 0xE0) == 0xC0 ? 1 : 2;  // program change, channel pressure: 1
                if (m_size - m_pos < dataBytes)
                    return fail(error, eventStart, QStringLiteral("a channel event cut off by the end of the track"));
                for (qsizetype i = 0; i < dataBytes; ++i) {
                    if (m_body[m_pos + i] & 0x80)
                        return fail(error, m_pos + i, QStringLiteral("status byte %1 inside a channel event").arg(hexByte(m_body[m_pos + i])));
                }
                if ((status & 0xF0) == 0x90 && m_body[m_pos + 1] != 0)
                    ++scan.noteOnCount;
                m_pos += dataBytes;
                runningStatus = status;
            } else if (status == 0xF7) {
                // Valid in a file, but the synthesizer's player refuses it; a file that opens must also play.
                return fail(error, eventStart, QStringLiteral("an escaped system exclusive event (0xf7)"));
            } else if (status == 0xF0) {
                runningStatus = 0;
                std::uint32_t length = 0;
                if (!readVariableLength(length, QStringLiteral("system exclusive length"), error)
                    || !skip(length, eventStart, QStringLiteral("system exclusive"), error))
                    return false;
            } else if (status == 0xFF) {
                runningStatus = 0;
                if (m_pos >= m_size)
                    return fail(error, eventStart, QStringLiteral("a meta event without its type"));
                const unsigned type = m_body[m_pos++];
                std::uint32_t length = 0;
                if (!readVariableLength(length, QStringLiteral("meta event length"), error))
                    return false;
                const qsizetype dataStart = m_pos;
                if (!skip(length, eventStart, QStringLiteral("meta event"), error))
                    return false;
                if (type == 0x51) {
                    if (length != 3)
                        return fail(error, eventStart, QStringLiteral("a tempo event of %1 bytes instead of 3").arg(length));
                    const std::uint32_t tempo = bigEndian(m_body + dataStart, 3);
                    if (tempo == 0)
                        return fail(error, eventStart, QStringLiteral("a tempo of 0 microseconds per quarter note"));
                    scan.tempi.push_back({tick, tempo});
                } else if (const int fixed = fixedMetaLength(type); fixed >= 0 && length != std::uint32_t(fixed)) {
                    // The synthesizer's player refuses these; a file that opens must also play.
                    return fail(error, eventStart, QStringLiteral("a meta event of type %1 of %2 bytes instead of %3")
                                                       .arg(hexByte(type)).arg(length).arg(fixed));
                } else if (type == 0x2F) {
                    scan.endTick = tick;
                    return true;  // anything after the end of the track is ignored
                }
            } else {
                return fail(error, eventStart, QStringLiteral("status byte %1, which a file cannot hold").arg(hexByte(status)));
            }
        }
        return fail(error, m_size, QStringLiteral("no end-of-track event"));
    }

private:
    // A variable-length quantity: at most 4 bytes, so at most 0x0FFFFFFF.
    bool readVariableLength(std::uint32_t& value, const QString& what, SmfResult& error)
    {
        const qsizetype start = m_pos;
        value = 0;
        for (int i = 0; i < 4; ++i) {
            if (m_pos >= m_size)
                return fail(error, start, QStringLiteral("a %1 cut off by the end of the track").arg(what));
            const unsigned byte = m_body[m_pos++];
            value = (value << 7) | (byte & 0x7F);
            if (!(byte & 0x80))
                return true;
        }
        return fail(error, start, QStringLiteral("a %1 longer than 4 bytes").arg(what));
    }

    bool skip(std::uint32_t length, qsizetype eventStart, const QString& what, SmfResult& error)
    {
        if (length > static_cast<std::uint64_t>(m_size - m_pos))
            return fail(error, eventStart, QStringLiteral("a %1 of %2 bytes running past the end of the track").arg(what).arg(length));
        m_pos += static_cast<qsizetype>(length);
        return true;
    }

    bool fail(SmfResult& error, qsizetype position, const QString& what) const
    {
        error = failure(SmfError::Malformed,
                        QStringLiteral("malformed track %1: %2 at byte %3").arg(m_trackNumber).arg(what).arg(m_fileOffset + position));
        return false;
    }

    const unsigned char* m_body;
    qsizetype m_size;
    int m_trackNumber;
    qsizetype m_fileOffset;
    qsizetype m_pos = 0;
};

// Microseconds from tick 0 to `endTick` under the tempo changes, which are
// in tick order.
double microsecondsTo(qint64 endTick, const std::vector<TempoChange>& tempi, int ticksPerQuarter)
{
    double microseconds = 0.0;
    qint64 tick = 0;
    std::uint32_t tempo = kDefaultTempo;
    for (const TempoChange& change : tempi) {
        if (change.tick >= endTick)
            break;
        microseconds += static_cast<double>(change.tick - tick) * tempo;
        tick = change.tick;
        tempo = change.microsecondsPerQuarter;
    }
    microseconds += static_cast<double>(endTick - tick) * tempo;
    return microseconds / ticksPerQuarter;
}

bool isChunkTag(const unsigned char* p)
{
    return std::all_of(p, p + 4, [](unsigned char c) { return c >= 0x20 && c < 0x7F; });
}

// The header's division: ticks per quarter note, or time-code frames and
// ticks per frame.
bool readDivision(std::uint32_t division, SmfResult& result, double& microsecondsPerTick)
{
    SmfSummary& summary = result.summary;
    if (division & 0x8000) {
        const int frames = -static_cast<int>(static_cast<std::int8_t>(division >> 8));
        const int ticksPerFrame = static_cast<int>(division & 0xFF);
        if (frames != 24 && frames != 25 && frames != 29 && frames != 30)
            result = failure(SmfError::Malformed, QStringLiteral("malformed header: %1 frames per second").arg(frames));
        else if (ticksPerFrame == 0)
            result = failure(SmfError::Malformed, QStringLiteral("malformed header: 0 ticks per frame"));
        if (!result.ok())
            return false;
        summary.framesPerSecond = frames;
        summary.division = ticksPerFrame;
        const double framesPerSecond = frames == 29 ? 30000.0 / 1001.0 : frames;
        microsecondsPerTick = 1e6 / (framesPerSecond * ticksPerFrame);
        return true;
    }
    if (division == 0) {
        result = failure(SmfError::Malformed, QStringLiteral("malformed header: 0 ticks per quarter note"));
        return false;
    }
    summary.division = static_cast<int>(division);
    return true;
}

// The header chunk: format, track count and timing. On an error `result`
// holds it and the answer is false; `microsecondsPerTick` is set for
// time-code timing only.
bool readHeader(const unsigned char* data, qsizetype size, SmfResult& result, double& microsecondsPerTick)
{
    if (size > kSmfMaxFileBytes) {
        result = failure(SmfError::Unsupported,
                         QStringLiteral("unsupported: %1 bytes, more than the %2 a MIDI file may have here").arg(size).arg(kSmfMaxFileBytes));
        return false;
    }
    if (size == 0) {
        result = failure(SmfError::NotMidi, QStringLiteral("not a MIDI file: the file is empty"));
        return false;
    }
    const qsizetype tagBytes = std::min<qsizetype>(size, 4);
    if (!std::equal(data, data + tagBytes, "MThd")) {
        result = failure(SmfError::NotMidi, QStringLiteral("not a MIDI file: it does not begin with \"MThd\""));
        return false;
    }
    if (size < kHeaderBytes) {
        result = failure(SmfError::Truncated, QStringLiteral("truncated: the header ends after %1 of 14 bytes").arg(size));
        return false;
    }

    const std::uint32_t headerLength = bigEndian(data + 4, 4);
    if (headerLength < 6)
        result = failure(SmfError::Malformed, QStringLiteral("malformed header: %1 bytes long instead of at least 6").arg(headerLength));
    else if (headerLength > static_cast<std::uint64_t>(size - 8))
        result = failure(SmfError::Truncated, QStringLiteral("truncated: the header declares %1 bytes but only %2 follow").arg(headerLength).arg(size - 8));
    else if (headerLength > 6)  // room for later fields, but the synthesizer's player takes only 6
        result = failure(SmfError::Unsupported, QStringLiteral("unsupported: a header of %1 bytes instead of 6").arg(headerLength));
    if (!result.ok())
        return false;

    SmfSummary& summary = result.summary;
    summary.format = static_cast<int>(bigEndian(data + 8, 2));
    summary.trackCount = static_cast<int>(bigEndian(data + 10, 2));
    if (summary.format > 2)
        result = failure(SmfError::Unsupported, QStringLiteral("unsupported: format %1 (formats 0, 1 and 2 are known)").arg(summary.format));
    else if (summary.trackCount == 0)
        result = failure(SmfError::Malformed, QStringLiteral("malformed header: no tracks"));
    else if (summary.format == 0 && summary.trackCount != 1)
        result = failure(SmfError::Malformed, QStringLiteral("malformed header: format 0 with %1 tracks instead of 1").arg(summary.trackCount));
    if (!result.ok())
        return false;
    return readDivision(bigEndian(data + 12, 2), result, microsecondsPerTick);
}

// The track chunks after the header, skipping chunks of other kinds between
// them. On an error `result` holds it and the answer is false.
bool readTracks(const unsigned char* data, qsizetype size, SmfResult& result, std::vector<TrackScan>& tracks)
{
    const int trackCount = result.summary.trackCount;
    tracks.reserve(static_cast<std::size_t>(std::min<qsizetype>(trackCount, size / 8 + 1)));
    qsizetype pos = kHeaderBytes;
    while (static_cast<int>(tracks.size()) < trackCount) {
        const int trackNumber = static_cast<int>(tracks.size()) + 1;
        const qsizetype left = size - pos;
        if (left == 0)
            result = failure(SmfError::Truncated, QStringLiteral("truncated: track %1 of %2 is missing").arg(trackNumber).arg(trackCount));
        else if (left < 8)
            result = failure(SmfError::Truncated, QStringLiteral("truncated: a chunk header cut off at byte %1").arg(pos));
        else if (!isChunkTag(data + pos))
            result = failure(SmfError::Malformed, QStringLiteral("malformed file: no chunk starts at byte %1").arg(pos));
        if (!result.ok())
            return false;
        const bool isTrack = std::equal(data + pos, data + pos + 4, "MTrk");
        const std::uint32_t length = bigEndian(data + pos + 4, 4);
        pos += 8;
        if (length > static_cast<std::uint64_t>(size - pos)) {
            result = failure(SmfError::Truncated, QStringLiteral("truncated: a chunk at byte %1 declares %2 bytes but only %3 follow")
                                                      .arg(pos - 8).arg(length).arg(size - pos));
            return false;
        }
        if (isTrack) {
            TrackScan scan;
            TrackScanner scanner(data + pos, static_cast<qsizetype>(length), trackNumber, pos);
            if (!scanner.scan(scan, result))
                return false;
            tracks.push_back(std::move(scan));
        }
        pos += static_cast<qsizetype>(length);
    }
    return true;
}

// The file's note count and length from its tracks.
void measure(const std::vector<TrackScan>& tracks, double microsecondsPerTick, SmfSummary& summary)
{
    for (const TrackScan& track : tracks)
        summary.noteOnCount += track.noteOnCount;

    if (summary.framesPerSecond > 0) {
        for (const TrackScan& track : tracks) {
            if (summary.format == 2)
                summary.lengthTicks += track.endTick;
            else
                summary.lengthTicks = std::max(summary.lengthTicks, track.endTick);
        }
        summary.lengthMs = static_cast<double>(summary.lengthTicks) * microsecondsPerTick / 1000.0;
    } else if (summary.format == 2) {
        // Independent patterns, one after another, each with its own tempo.
        for (const TrackScan& track : tracks) {
            summary.lengthTicks += track.endTick;
            summary.lengthMs += microsecondsTo(track.endTick, track.tempi, summary.division) / 1000.0;
        }
    } else {
        // One tempo map for all tracks: the changes of every track in tick
        // order, earlier tracks first at equal ticks.
        std::vector<TempoChange> tempi;
        for (const TrackScan& track : tracks) {
            summary.lengthTicks = std::max(summary.lengthTicks, track.endTick);
            tempi.insert(tempi.end(), track.tempi.begin(), track.tempi.end());
        }
        std::stable_sort(tempi.begin(), tempi.end(),
                         [](const TempoChange& a, const TempoChange& b) { return a.tick < b.tick; });
        summary.lengthMs = microsecondsTo(summary.lengthTicks, tempi, summary.division) / 1000.0;
    }
}

} // namespace

SmfResult ParseSmf(const QByteArray& bytes)
{
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype size = bytes.size();
    SmfResult result;
    double microsecondsPerTick = 0.0;  // time-code timing only
    std::vector<TrackScan> tracks;
    if (!readHeader(data, size, result, microsecondsPerTick) || !readTracks(data, size, result, tracks))
        return result;
    measure(tracks, microsecondsPerTick, result.summary);
    if (result.summary.framesPerSecond > 0) {
        // The synthesizer's player does not play time-code timing; the
        // figures stay read.
        result.error = SmfError::Unsupported;
        result.message = QStringLiteral("unsupported: time-code timing (%1 frames per second), which the synthesizer "
                                        "does not play").arg(result.summary.framesPerSecond);
    }
    return result;
}

SmfResult ReadSmfFile(const QString& path)
{
    const QFileInfo info(path);
    const QString quoted = QLatin1Char('"') + path + QLatin1Char('"');
    if (!info.exists())
        return failure(SmfError::FileMissing, QStringLiteral("%1 does not exist").arg(quoted));
    if (!info.isFile())
        return failure(SmfError::Unreadable, QStringLiteral("%1 cannot be read: it is not a regular file").arg(quoted));
    if (info.size() > kSmfMaxFileBytes)
        return failure(SmfError::Unsupported,
                       QStringLiteral("%1 is not supported: %2 bytes, more than the %3 a MIDI file may have here")
                           .arg(quoted).arg(info.size()).arg(kSmfMaxFileBytes));

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failure(SmfError::Unreadable, QStringLiteral("%1 cannot be read: %2").arg(quoted, file.errorString()));
    // Never more than one byte past the limit, even if the file grew.
    const QByteArray bytes = file.read(kSmfMaxFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return failure(SmfError::Unreadable, QStringLiteral("%1 cannot be read: %2").arg(quoted, file.errorString()));

    SmfResult result = ParseSmf(bytes);
    if (!result.ok())
        result.message = quoted + QStringLiteral(": ") + result.message;
    return result;
}

} // namespace fretlore

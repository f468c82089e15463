// SPDX-License-Identifier: GPL-3.0-or-later
// Checks the five interface sounds as the build writes them and as the
// program carries them: exact RIFF layout (sizes, chunk order, format
// fields), the copies compiled into the resources, and that the sounds are
// clean: silent at both ends, no offset, no clipping, at their levels.
#include "resources/WaveResources.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <cmath>
#include <cstdint>
#include <vector>

using namespace fretlore;

namespace {

struct Chunk {
    QByteArray tag;
    QByteArray body;
};

struct WaveFile {
    QByteArray bytes;
    std::vector<Chunk> chunks;  // in file order
    bool wellFormed = false;    // "RIFF", size, "WAVE", chunks fill the file exactly

    const Chunk* find(const char* tag) const
    {
        for (const Chunk& chunk : chunks) {
            if (chunk.tag == tag)
                return &chunk;
        }
        return nullptr;
    }
};

std::uint32_t littleEndian(const QByteArray& bytes, qsizetype at, int byteCount)
{
    std::uint32_t value = 0;
    for (int i = byteCount - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

WaveFile readWave(const QString& path)
{
    WaveFile wave;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return wave;
    wave.bytes = file.readAll();
    const QByteArray& b = wave.bytes;
    if (b.size() < 12 || b.left(4) != "RIFF" || b.mid(8, 4) != "WAVE" || littleEndian(b, 4, 4) != b.size() - 8)
        return wave;
    qsizetype pos = 12;
    while (b.size() - pos >= 8) {
        const std::uint32_t size = littleEndian(b, pos + 4, 4);
        if (size > b.size() - pos - 8)
            return wave;
        wave.chunks.push_back({b.mid(pos, 4), b.mid(pos + 8, size)});
        pos += 8 + size + (size % 2);
    }
    wave.wellFormed = pos == b.size();
    return wave;
}

std::vector<int> samplesOf(const WaveFile& wave)
{
    std::vector<int> samples;
    if (const Chunk* data = wave.find("data")) {
        for (qsizetype i = 0; i + 1 < data->body.size(); i += 2)
            samples.push_back(static_cast<std::int16_t>(littleEndian(data->body, i, 2)));
    }
    return samples;
}

QString soundFile(const char* name)
{
    return QDir(QStringLiteral(FRETLORE_SOUNDS_DIR)).filePath(QLatin1String(name) + QStringLiteral(".wav"));
}

struct Layout {
    const char* name;
    qsizetype totalBytes;
    std::uint32_t sampleRate;
    std::uint32_t dataBytes;
    std::uint32_t samples;
    double lengthMs;
    std::vector<QByteArray> chunkOrder;
};

const std::vector<Layout> kLayouts = {
    {"ENC_001", 4918, 22050, 4862, 2431, 110.2, {"fmt ", "data", "fact"}},
    {"ENC_002", 4326, 22050, 4270, 2135, 96.8, {"fmt ", "data", "fact"}},
    {"ENC_003", 14832, 22050, 14776, 7388, 335.1, {"fmt ", "fact", "data"}},
    {"ENC_004", 230, 22050, 174, 87, 3.9, {"fmt ", "data", "fact"}},
    {"ENC_005", 46904, 44100, 46792, 23396, 530.5, {"fmt ", "data", "LIST", "fact"}},
};

int peakOf(const std::vector<int>& samples, std::size_t from = 0, std::size_t to = SIZE_MAX)
{
    int peak = 0;
    for (std::size_t i = from; i < std::min(to, samples.size()); ++i)
        peak = std::max(peak, std::abs(samples[i]));
    return peak;
}

double dbfs(int peak)
{
    return 20.0 * std::log10(peak / 32768.0);
}

// Zero crossings per second between two sample positions: twice the
// frequency of a plain tone.
double crossingsPerSecond(const std::vector<int>& samples, std::size_t from, std::size_t to, double sampleRate)
{
    int crossings = 0;
    for (std::size_t i = from + 1; i < to; ++i) {
        if ((samples[i - 1] < 0) != (samples[i] < 0))
            ++crossings;
    }
    return crossings * sampleRate / static_cast<double>(to - from);
}

} // namespace

TEST(WaveResources, EveryFileHasItsExactLayout)
{
    for (const Layout& layout : kLayouts) {
        SCOPED_TRACE(layout.name);
        const WaveFile wave = readWave(soundFile(layout.name));
        ASSERT_TRUE(wave.wellFormed);
        EXPECT_EQ(wave.bytes.size(), layout.totalBytes);

        std::vector<QByteArray> order;
        for (const Chunk& chunk : wave.chunks)
            order.push_back(chunk.tag);
        EXPECT_EQ(order, layout.chunkOrder);

        const Chunk* format = wave.find("fmt ");
        ASSERT_NE(format, nullptr);
        ASSERT_EQ(format->body.size(), 16);
        EXPECT_EQ(littleEndian(format->body, 0, 2), 1u) << "PCM";
        EXPECT_EQ(littleEndian(format->body, 2, 2), 1u) << "mono";
        EXPECT_EQ(littleEndian(format->body, 4, 4), layout.sampleRate);
        EXPECT_EQ(littleEndian(format->body, 8, 4), 2 * layout.sampleRate) << "byte rate";
        EXPECT_EQ(littleEndian(format->body, 12, 2), 2u) << "block align";
        EXPECT_EQ(littleEndian(format->body, 14, 2), 16u) << "bits per sample";

        const Chunk* data = wave.find("data");
        ASSERT_NE(data, nullptr);
        EXPECT_EQ(static_cast<std::uint32_t>(data->body.size()), layout.dataBytes);

        const Chunk* fact = wave.find("fact");
        ASSERT_NE(fact, nullptr);
        ASSERT_EQ(fact->body.size(), 4);
        EXPECT_EQ(littleEndian(fact->body, 0, 4), layout.samples);

        EXPECT_NEAR(1000.0 * layout.samples / layout.sampleRate, layout.lengthMs, 0.05);
    }
}

TEST(WaveResources, ChimeCarriesOnlyOurSoftwareTag)
{
    const WaveFile wave = readWave(soundFile("ENC_005"));
    const Chunk* list = wave.find("LIST");
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->body.size(), 48);
    EXPECT_EQ(list->body.left(4), "INFO");
    EXPECT_EQ(list->body.mid(4, 4), "ISFT");
    ASSERT_EQ(littleEndian(list->body, 8, 4), 36u) << "one tag filling the list";
    const QByteArray text = list->body.mid(12);
    EXPECT_EQ(text.back(), '\0');
    EXPECT_TRUE(text.startsWith("Fretlore PRO make_click_sounds")) << text.constData();
}

TEST(WaveResources, CompiledInCopiesAreTheWrittenFiles)
{
    ASSERT_EQ(WaveResourceNames().size(), 5);
    for (const QString& name : WaveResourceNames()) {
        QFile resource(WaveResourcePath(name));
        ASSERT_TRUE(resource.open(QIODevice::ReadOnly)) << resource.fileName().toStdString();
        QFile written(QDir(QStringLiteral(FRETLORE_SOUNDS_DIR)).filePath(name + QStringLiteral(".wav")));
        ASSERT_TRUE(written.open(QIODevice::ReadOnly));
        EXPECT_EQ(resource.readAll(), written.readAll()) << name.toStdString();
    }
    EXPECT_FALSE(QFile::exists(WaveResourcePath(QStringLiteral("ENC_006"))));
}

TEST(ClickSounds, AllAreCleanAtBothEndsWithoutOffsetOrClipping)
{
    for (const Layout& layout : kLayouts) {
        SCOPED_TRACE(layout.name);
        const std::vector<int> samples = samplesOf(readWave(soundFile(layout.name)));
        ASSERT_EQ(samples.size(), layout.samples);
        EXPECT_LE(std::abs(samples.front()), 300) << "starts from silence";
        EXPECT_LE(std::abs(samples.back()), 3) << "ends in silence";
        EXPECT_LT(peakOf(samples), 32767) << "clipped";
        double sum = 0.0;
        for (int s : samples)
            sum += s;
        EXPECT_LT(std::abs(sum / samples.size()), 2.0) << "offset from zero";
    }
}

TEST(ClickSounds, ButtonClickIsCrispShortAndAtMinusSixDbfs)
{
    const std::vector<int> click = samplesOf(readWave(soundFile("ENC_001")));
    ASSERT_EQ(click.size(), 2431u);
    const int peak = peakOf(click);
    EXPECT_NEAR(dbfs(peak), -6.0, 0.3);
    // Fast attack: the peak falls in the first 5 ms (110 samples).
    EXPECT_EQ(peakOf(click, 0, 110), peak);
    // Quick decay: after 40 ms it is 20 dB down, after 80 ms 40 dB down.
    EXPECT_LT(peakOf(click, 882), peak / 10);
    EXPECT_LT(peakOf(click, 1764), peak / 100);
    // A pitched tick body between 1 and 4 kHz, not a thud and not hiss.
    const double crossings = crossingsPerSecond(click, 44, 441, 22050.0);
    EXPECT_GT(crossings, 2000.0);
    EXPECT_LT(crossings, 8000.0);
}

TEST(ClickSounds, LevelsAndShapesOfTheOtherSounds)
{
    const int crisp = peakOf(samplesOf(readWave(soundFile("ENC_001"))));
    const int soft = peakOf(samplesOf(readWave(soundFile("ENC_002"))));
    EXPECT_NEAR(dbfs(soft), -12.0, 0.3);
    EXPECT_LT(soft, crisp);

    // The whoosh rises: it swells after its start and its pitch climbs.
    const std::vector<int> whoosh = samplesOf(readWave(soundFile("ENC_003")));
    const std::size_t third = whoosh.size() / 3;
    EXPECT_LT(peakOf(whoosh, 0, third / 2), peakOf(whoosh, third, 2 * third));
    EXPECT_GT(crossingsPerSecond(whoosh, 2 * third, 3 * third - 200, 22050.0),
              1.5 * crossingsPerSecond(whoosh, third / 2, third, 22050.0));

    EXPECT_NEAR(dbfs(peakOf(samplesOf(readWave(soundFile("ENC_004"))))), -6.0, 0.3);

    // The chime strikes twice: a second attack after the first has decayed.
    const std::vector<int> chime = samplesOf(readWave(soundFile("ENC_005")));
    const int firstStrike = peakOf(chime, 0, 2205);         // 0-50 ms
    const int beforeSecond = peakOf(chime, 5733, 6615);     // 130-150 ms
    const int secondStrike = peakOf(chime, 6615, 8820);     // 150-200 ms
    EXPECT_GT(secondStrike, beforeSecond * 5 / 4);
    EXPECT_GT(firstStrike, beforeSecond);
}

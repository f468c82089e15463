// SPDX-License-Identifier: GPL-3.0-or-later
#include "riffwave.h"

namespace fretlore::sounds {
namespace {

using Bytes = std::vector<std::uint8_t>;

void putLittleEndian(Bytes& out, std::uint32_t value, int byteCount)
{
    for (int i = 0; i < byteCount; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void putTag(Bytes& out, const char (&tag)[5])
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(tag[i]));
}

// A chunk's body is padded to an even length; the size field counts the body
// without the pad byte.
void putChunk(Bytes& out, const char (&tag)[5], const Bytes& body)
{
    putTag(out, tag);
    putLittleEndian(out, static_cast<std::uint32_t>(body.size()), 4);
    out.insert(out.end(), body.begin(), body.end());
    if (body.size() % 2 != 0)
        out.push_back(0);
}

Bytes formatBody(std::uint32_t sampleRate)
{
    constexpr std::uint16_t kPcm = 1;
    constexpr std::uint16_t kChannels = 1;
    constexpr std::uint16_t kBitsPerSample = 16;
    constexpr std::uint16_t kBlockAlign = kChannels * kBitsPerSample / 8;
    Bytes body;
    putLittleEndian(body, kPcm, 2);
    putLittleEndian(body, kChannels, 2);
    putLittleEndian(body, sampleRate, 4);
    putLittleEndian(body, sampleRate * kBlockAlign, 4);  // bytes per second
    putLittleEndian(body, kBlockAlign, 2);
    putLittleEndian(body, kBitsPerSample, 2);
    return body;
}

Bytes infoBody(const std::string& software)
{
    Bytes text(software.begin(), software.end());
    text.push_back(0);  // INFO texts end in a zero byte
    Bytes body;
    putTag(body, "INFO");
    putChunk(body, "ISFT", text);
    return body;
}

} // namespace

std::vector<std::uint8_t> buildWaveFile(const std::vector<std::int16_t>& samples, const WaveLayout& layout)
{
    Bytes chunks;
    for (WaveChunk chunk : layout.chunks) {
        switch (chunk) {
        case WaveChunk::Format:
            putChunk(chunks, "fmt ", formatBody(layout.sampleRate));
            break;
        case WaveChunk::Data: {
            Bytes body;
            body.reserve(samples.size() * 2);
            for (std::int16_t sample : samples)
                putLittleEndian(body, static_cast<std::uint16_t>(sample), 2);
            putChunk(chunks, "data", body);
            break;
        }
        case WaveChunk::Fact: {
            Bytes body;
            putLittleEndian(body, static_cast<std::uint32_t>(samples.size()), 4);
            putChunk(chunks, "fact", body);
            break;
        }
        case WaveChunk::Info:
            putChunk(chunks, "LIST", infoBody(layout.software));
            break;
        }
    }

    Bytes file;
    putTag(file, "RIFF");
    putLittleEndian(file, static_cast<std::uint32_t>(4 + chunks.size()), 4);
    putTag(file, "WAVE");
    file.insert(file.end(), chunks.begin(), chunks.end());
    return file;
}

} // namespace fretlore::sounds

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Writes RIFF WAVE files of 16-bit mono PCM with the chunks in a chosen order.
#include <cstdint>
#include <string>
#include <vector>

namespace fretlore::sounds {

enum class WaveChunk {
    Format,  // "fmt ": PCM, 1 channel, 16 bits, 16 bytes of fields
    Data,    // "data": the samples, little-endian
    Fact,    // "fact": the sample count, 4 bytes
    Info,    // "LIST" of type "INFO" holding one "ISFT" (software) text
};

struct WaveLayout {
    std::uint32_t sampleRate = 22050;
    std::vector<WaveChunk> chunks;  // in file order
    std::string software;           // the "ISFT" text, used only by an Info chunk
};

// The complete file: "RIFF", its size (total - 8), "WAVE", then the chunks.
std::vector<std::uint8_t> buildWaveFile(const std::vector<std::int16_t>& samples, const WaveLayout& layout);

} // namespace fretlore::sounds

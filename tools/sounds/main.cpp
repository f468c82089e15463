// SPDX-License-Identifier: GPL-3.0-or-later
// make_click_sounds FOLDER
//
// Writes the five interface sounds ENC_001.wav .. ENC_005.wav, which the
// program carries as resources. Their layouts are fixed: 16-bit mono PCM at
// the listed rate and sample count, the chunks in the listed order.
//
// Byte counts. Every file is the 12-byte "RIFF" header plus its chunks, each
// chunk an 8-byte header plus its body:
//   "fmt "  8 + 16 = 24   (PCM needs no cbSize field, so 16 bytes suffice)
//   "fact"  8 +  4 = 12
//   "data"  8 + 2 x samples
// so a file with fmt, data and fact is 12 + 24 + 12 + 8 + data = 56 + data
// bytes: ENC_001 56 + 4862 = 4918, ENC_002 56 + 4270 = 4326,
// ENC_003 56 + 14776 = 14832, ENC_004 56 + 174 = 230.
// ENC_005 has 56 + 46792 = 46848 bytes without its "LIST" chunk and must be
// 46904, which leaves 56 bytes for the list: its 8-byte header, "INFO" (4),
// the "ISFT" header (8) and 36 bytes of text: 35 characters and the zero
// byte that ends them. kSoftware below is those 35 characters.
#include "clicksounds.h"
#include "riffwave.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <string>

using namespace fretlore::sounds;

namespace {

constexpr char kSoftware[] = "Fretlore PRO make_click_sounds v1.0";
static_assert(sizeof kSoftware == 36, "the ISFT text with its zero byte must fill 36 bytes");

struct SoundFile {
    const char* name;
    std::uint32_t sampleRate;
    int samples;
    std::vector<WaveChunk> chunks;
    std::size_t totalBytes;
    std::function<std::vector<std::int16_t>(int, double)> synthesise;
};

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: make_click_sounds FOLDER\n";
        return 2;
    }
    using enum WaveChunk;
    const std::vector<SoundFile> files = {
        {"ENC_001.wav", 22050, 2431, {Format, Data, Fact}, 4918, crispClick},
        {"ENC_002.wav", 22050, 2135, {Format, Data, Fact}, 4326, softClick},
        {"ENC_003.wav", 22050, 7388, {Format, Fact, Data}, 14832, risingWhoosh},
        {"ENC_004.wav", 22050, 87, {Format, Data, Fact}, 230, tinyTick},
        {"ENC_005.wav", 44100, 23396, {Format, Data, Info, Fact}, 46904, twoToneChime},
    };

    const std::filesystem::path folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        std::cerr << "make_click_sounds: cannot create " << folder << ": " << error.message() << '\n';
        return 1;
    }

    for (const SoundFile& file : files) {
        const WaveLayout layout{file.sampleRate, file.chunks, kSoftware};
        const auto bytes = buildWaveFile(file.synthesise(file.samples, file.sampleRate), layout);
        if (bytes.size() != file.totalBytes) {
            std::cerr << "make_click_sounds: " << file.name << " came out " << bytes.size()
                      << " bytes instead of " << file.totalBytes << '\n';
            return 1;
        }
        const std::filesystem::path path = folder / file.name;
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::cerr << "make_click_sounds: cannot write " << path << '\n';
            return 1;
        }
    }
    return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// make_string_midis FOLDER
//
// Writes the program's string tones: one Standard MIDI File per guitar string
// and fret, 6 strings x frets 0..24 = 150 files, named "<string>-<fret>.mid"
// with the string counted from the high e (1) down to the low E (6) and the
// fret in two digits, e.g. "6-03.mid" for the low E string at the third fret.
//
// Every file is format 0 with one track at 480 ticks per quarter note:
// tempo 120 bpm, the steel-string acoustic guitar sound on channel 0, and a
// single note of the string's pitch at that fret held for three seconds.
#include "catalogue/Instrument.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr int kFirstFret = 0;
constexpr int kLastFret = 24;
constexpr std::uint16_t kTicksPerQuarter = 480;
constexpr std::uint32_t kMicrosecondsPerQuarter = 500000;  // 120 bpm
constexpr std::uint32_t kNoteTicks = 2880;                  // 6 quarters = 3 s at 120 bpm
constexpr std::uint8_t kSteelStringGuitar = 25;             // General MIDI program, counted from 0
constexpr std::uint8_t kVelocity = 100;
constexpr std::uint8_t kReleaseVelocity = 64;

using Bytes = std::vector<std::uint8_t>;

void putBigEndian(Bytes& out, std::uint32_t value, int byteCount)
{
    for (int shift = 8 * (byteCount - 1); shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

// MIDI variable-length quantity: 7 bits a byte, most significant first,
// the high bit set on every byte but the last.
void putVariableLength(Bytes& out, std::uint32_t value)
{
    std::uint8_t groups[4];
    int count = 0;
    do {
        groups[count++] = static_cast<std::uint8_t>(value & 0x7F);
        value >>= 7;
    } while (value != 0 && count < 4);
    while (count-- > 1)
        out.push_back(groups[count] | 0x80);
    out.push_back(groups[0]);
}

Bytes stringToneFile(int string, int fret)
{
    const auto note = static_cast<std::uint8_t>(fretlore::kStandardGuitar.Pitch(string, fret));

    Bytes track;
    putVariableLength(track, 0);
    track.insert(track.end(), {0xFF, 0x51, 0x03});  // set tempo
    putBigEndian(track, kMicrosecondsPerQuarter, 3);
    putVariableLength(track, 0);
    track.insert(track.end(), {0xC0, kSteelStringGuitar});  // program change, channel 0
    putVariableLength(track, 0);
    track.insert(track.end(), {0x90, note, kVelocity});  // note on
    putVariableLength(track, kNoteTicks);
    track.insert(track.end(), {0x80, note, kReleaseVelocity});  // note off
    putVariableLength(track, 0);
    track.insert(track.end(), {0xFF, 0x2F, 0x00});  // end of track

    Bytes file = {'M', 'T', 'h', 'd'};
    putBigEndian(file, 6, 4);
    putBigEndian(file, 0, 2);  // format 0
    putBigEndian(file, 1, 2);  // one track
    putBigEndian(file, kTicksPerQuarter, 2);
    file.insert(file.end(), {'M', 'T', 'r', 'k'});
    putBigEndian(file, static_cast<std::uint32_t>(track.size()), 4);
    file.insert(file.end(), track.begin(), track.end());
    return file;
}

std::string stringToneFileName(int string, int fret)
{
    char name[16];
    std::snprintf(name, sizeof name, "%d-%02d.mid", fretlore::GuitaristNumberOf(string), fret);
    return name;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: make_string_midis FOLDER\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        std::cerr << "make_string_midis: cannot create " << folder << ": " << error.message() << '\n';
        return 1;
    }

    for (int string = 0; string < fretlore::kStringCount; ++string) {
        for (int fret = kFirstFret; fret <= kLastFret; ++fret) {
            const std::filesystem::path path = folder / stringToneFileName(string, fret);
            const Bytes bytes = stringToneFile(string, fret);
            std::ofstream out(path, std::ios::binary | std::ios::trunc);
            out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
            out.close();
            if (!out) {
                std::cerr << "make_string_midis: cannot write " << path << '\n';
                return 1;
            }
        }
    }
    return 0;
}

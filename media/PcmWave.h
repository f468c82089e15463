// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QVector>

#include <cstdint>

namespace fretlore {

// Reads a RIFF WAVE file of 16-bit mono PCM: its samples and their rate in
// Hz. Chunks are walked in file order; the "fmt " chunk must come before the
// "data" chunk. Returns false, leaving the rate and samples unspecified, for
// anything else: another format, a chunk that runs past the end, no data.
// Takes any bytes; every read stays inside them.
bool ReadPcmWave(const QByteArray& bytes, QVector<std::int16_t>* samples, int* rate);

} // namespace fretlore

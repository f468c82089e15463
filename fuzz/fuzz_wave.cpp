// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a click sound's WAVE file.
#include "media/PcmWave.h"

#include <cstdint>
#include <cstdlib>

using namespace fretlore;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QVector<std::int16_t> samples;
    int rate = 0;
    if (ReadPcmWave(QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)), &samples, &rate) &&
        (rate <= 0 || qsizetype(size) < 2 * samples.size()))
        std::abort();  // a read sound has a rate and no more samples than the file holds
    return 0;
}

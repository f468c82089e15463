// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/PcmWave.h"

#include <QtEndian>

namespace fretlore {

bool ReadPcmWave(const QByteArray& bytes, QVector<std::int16_t>* samples, int* rate)
{
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return false;
    const auto u16 = [&bytes](qsizetype at) { return qFromLittleEndian<quint16>(bytes.constData() + at); };
    const auto u32 = [&bytes](qsizetype at) { return qFromLittleEndian<quint32>(bytes.constData() + at); };
    bool haveFormat = false;
    qsizetype at = 12;
    while (at + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(at, 4);
        const qint64 size = u32(at + 4);
        const qsizetype body = at + 8;
        if (size > bytes.size() - body)
            return false;
        if (id == "fmt ") {
            if (size < 16 || u16(body) != 1 || u16(body + 2) != 1 || u16(body + 14) != 16)
                return false;
            *rate = int(u32(body + 4));
            haveFormat = true;
        } else if (id == "data" && haveFormat) {
            samples->resize(qsizetype(size / 2));
            for (qsizetype i = 0; i < samples->size(); ++i)
                (*samples)[i] = std::int16_t(u16(body + 2 * i));
            return *rate > 0;
        }
        at = body + qsizetype(size) + (size & 1);
    }
    return false;
}

} // namespace fretlore

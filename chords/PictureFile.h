// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIODevice>
#include <QImage>
#include <QString>

#include <functional>

namespace fretlore {

// Writing a picture file whole or not at all: the content goes to a
// temporary file beside the target, which replaces the target only once
// everything was written.
class PictureFile {
public:
    enum class Format { Png, Svg, Pdf, Unknown };

    // By the file name's extension, letter case ignored.
    static Format FormatOf(const QString& path);

    // Writes `path` through `write`, which fills the device and returns
    // false (with a reason) when it cannot. On any failure the target is
    // left as it was and `error` says why.
    static bool Save(const QString& path, const std::function<bool(QIODevice& device, QString* error)>& write,
                     QString* error);

    // A picture as PNG, or as SVG that holds the picture pixel for pixel.
    static bool SavePicture(const QImage& picture, const QString& path, QString* error);
};

} // namespace fretlore

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include <vector>

// Every picture the program carries, drawn by our own code, under the
// file name it is stored and looked up by.
class ArtworkBook
{
public:
    struct Picture
    {
        QString fileName;
        QImage image;
    };

    ArtworkBook();

    // A picture kept as a vector drawing: an SVG document.
    struct Drawing
    {
        QString fileName;
        QString svg;
    };

    const std::vector<Picture> &pictures() const { return m_pictures; }
    const std::vector<Drawing> &drawings() const { return m_drawings; }

    // Outline figures that the windows rely on and that a change of the
    // drawings could break; empty when everything is where it belongs.
    const QStringList &problems() const { return m_problems; }

    // Writes every picture as PNG and every drawing as SVG into the folder;
    // false on the first file that cannot be written.
    bool writeTo(const QString &folder, QString *error) const;

private:
    std::vector<Picture> m_pictures;
    std::vector<Drawing> m_drawings;
    QStringList m_problems;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "diagram/PaperDiagram.h"

#include <QImage>
#include <QString>

#include <array>
#include <vector>

class QPainter;

namespace fretlore {

// A printable chord sheet for a song: one diagram per chord with the chord's
// name above, on A4 pages with 15 mm margins. Paper style: chord boxes as
// players read them, four to a row, five rows to a page. Window style: the
// diagram as the window draws it, two to a row, five rows to a page. A PDF
// gets as many pages as the chords need; an SVG or PNG is one A4-wide sheet
// that grows downwards when the chords do not fit on one page.
class ChordSheet {
public:
    enum class Style { Paper, Window };

    struct Chord {
        QString Name;  // written above the diagram
        PaperChord Box;  // its frets, its hand when finger numbers are wanted, its string names
    };

    struct Options {
        Style Look = Style::Paper;
        bool LeftHanded = false;
    };

    ChordSheet(std::vector<Chord> chords, QImage diagramTemplate, Options options);

    // Writes the sheet as PDF, SVG or PNG by the file's extension, whole or not at all.
    bool Save(const QString& path, QString* error) const;

    // Pages a PDF of the sheet has.
    int PageCount() const;
    // Chords side by side, and rows of them on a page.
    int Columns() const;
    static constexpr int kRowsPerPage = 5;

private:
    // Paints rows [firstRow, firstRow + rows) with the page's top-left at
    // the device's origin; `dotsPerMm` scales millimetres to device units.
    void paintRows(QPainter& p, int firstRow, int rows, double dotsPerMm) const;
    // Paints one chord's diagram into `target` (device units).
    void paintDiagram(QPainter& p, const QRectF& target, const Chord& chord) const;
    int rowCount() const;
    double diagramWidth() const;   // millimetres
    double diagramHeight() const;  // millimetres
    double rowHeight() const;      // millimetres

    std::vector<Chord> chords_;
    QImage template_;
    Options options_;
};

} // namespace fretlore

#pragma once

#include <QImage>
#include <QString>

#include <array>
#include <vector>

class QPainter;

namespace fretlore {

// A printable chord sheet for a song: one diagram per chord, drawn as the
// window draws it, with the chord's name above, two to a row on an A4 page
// with 15 mm margins, five rows to a page. A PDF gets as many pages as the
// chords need; an SVG or PNG is one A4-wide sheet that grows downwards when
// the chords do not fit on one page.
class ChordSheet {
public:
    struct Chord {
        QString Name;  // written above the diagram
        std::array<int, 6> Frets{};
    };

    static constexpr int kColumns = 2;
    static constexpr int kRowsPerPage = 5;

    ChordSheet(std::vector<Chord> chords, QImage diagramTemplate);

    // Writes the sheet as PDF, SVG or PNG by the file's extension, whole or not at all.
    bool Save(const QString& path, QString* error) const;

    // Pages a PDF of the sheet has.
    int PageCount() const;

private:
    // Paints rows [firstRow, firstRow + rows) with the page's top-left at
    // the device's origin; `dotsPerMm` scales millimetres to device units.
    void paintRows(QPainter& p, int firstRow, int rows, double dotsPerMm) const;
    int rowCount() const;

    std::vector<Chord> chords_;
    QImage template_;
};

} // namespace fretlore

// SPDX-License-Identifier: GPL-3.0-or-later
#include "chords/ChordSheet.h"

#include "chords/PictureFile.h"
#include "diagram/ChordDiagram.h"
#include "diagram/PaperDiagram.h"
#include "platform/FontSubstitutes.h"

#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <algorithm>

namespace fretlore {

namespace {

// Millimetres on the page.
constexpr double kPageWidth = 210.0;
constexpr double kPageHeight = 297.0;
constexpr double kMargin = 15.0;
constexpr double kGap = 10.0;          // between the two columns
constexpr double kNameHeight = 5.0;    // the name's letters
constexpr double kNameSpace = 1.5;     // between the name and its diagram
constexpr double kRowSpace = 7.0;      // below a diagram
constexpr int kPdfDpi = 300;
constexpr int kPictureDpi = 150;  // PNG
constexpr int kSvgDpi = 96;

} // namespace

ChordSheet::ChordSheet(std::vector<Chord> chords, QImage diagramTemplate, Options options)
    : chords_(std::move(chords)), template_(std::move(diagramTemplate)), options_(options)
{
}

int ChordSheet::Columns() const
{
    return options_.Look == Style::Paper ? 4 : 2;
}

double ChordSheet::diagramWidth() const
{
    return (kPageWidth - 2 * kMargin - (Columns() - 1) * kGap) / Columns();
}

double ChordSheet::diagramHeight() const
{
    return options_.Look == Style::Paper ? diagramWidth() * PaperGeometry::kHeight / PaperGeometry::kWidth
                                         : diagramWidth() * DiagramGeometry::kHeight / DiagramGeometry::kWidth;
}

double ChordSheet::rowHeight() const
{
    return kNameHeight + kNameSpace + diagramHeight() + kRowSpace;
}

int ChordSheet::rowCount() const
{
    return (int(chords_.size()) + Columns() - 1) / Columns();
}

int ChordSheet::PageCount() const
{
    return std::max(1, (rowCount() + kRowsPerPage - 1) / kRowsPerPage);
}

void ChordSheet::paintDiagram(QPainter& p, const QRectF& target, const Chord& chord) const
{
    if (options_.Look == Style::Paper) {
        PaintPaperDiagram(p, target, chord.Box, options_.LeftHanded);
        return;
    }
    QImage picture = template_;
    ToneMarkerArray markers;
    DrawChordDiagram(picture, chord.Box.Frets, markers, {options_.LeftHanded, chord.Box.Hand.has_value()});
    p.drawImage(target, picture);
}

void ChordSheet::paintRows(QPainter& p, int firstRow, int rows, double dotsPerMm) const
{
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);  // the diagram's pixels stay crisp
    const QFont font = PixelFont(QStringLiteral("MS Sans Serif"), std::max(1, int(kNameHeight * dotsPerMm)), true);
    const int columns = Columns();
    for (int row = firstRow; row < firstRow + rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            const size_t index = size_t(row * columns + column);
            if (index >= chords_.size())
                return;
            const Chord& chord = chords_[index];
            const double x = kMargin + column * (diagramWidth() + kGap);
            const double y = kMargin + (row - firstRow) * rowHeight();
            const QRectF nameBox(x * dotsPerMm, y * dotsPerMm, diagramWidth() * dotsPerMm,
                                 (kNameHeight + kNameSpace) * dotsPerMm);
            // A long name ("Gm shape, sounds Am") gets smaller letters to fit its box.
            QFont fitted = font;
            const double width = QFontMetricsF(font, p.device()).horizontalAdvance(chord.Name);
            if (width > nameBox.width())
                fitted.setPixelSize(std::max(1, int(font.pixelSize() * nameBox.width() / width)));
            p.setFont(fitted);
            p.setPen(Qt::black);
            p.drawText(nameBox, Qt::AlignHCenter | Qt::AlignTop, chord.Name);
            const QRectF target(x * dotsPerMm, (y + kNameHeight + kNameSpace) * dotsPerMm, diagramWidth() * dotsPerMm,
                                diagramHeight() * dotsPerMm);
            paintDiagram(p, target, chord);
        }
    }
}

bool ChordSheet::Save(const QString& path, QString* error) const
{
    const PictureFile::Format format = PictureFile::FormatOf(path);
    if (format == PictureFile::Format::Unknown) {
        *error = QStringLiteral("%1: a sheet is written as .pdf, .svg or .png").arg(path);
        return false;
    }
    // A PNG or SVG sheet holds every row on one tall page.
    const int rows = rowCount();
    const double tallHeight = std::max(kPageHeight, 2 * kMargin + rows * rowHeight());
    return PictureFile::Save(
        path,
        [&](QIODevice& device, QString* reason) {
            QPainter p;
            if (format == PictureFile::Format::Pdf) {
                QPdfWriter pdf(&device);
                pdf.setResolution(kPdfDpi);
                pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
                pdf.setTitle(QStringLiteral("Chord sheet"));
                pdf.setCreator(QStringLiteral("fretlore-chords"));
                if (!p.begin(&pdf)) {
                    *reason = QStringLiteral("the PDF did not start");
                    return false;
                }
                const double dotsPerMm = kPdfDpi / 25.4;
                for (int page = 0; page < PageCount(); ++page) {
                    if (page > 0)
                        pdf.newPage();
                    paintRows(p, page * kRowsPerPage, std::min(kRowsPerPage, rows - page * kRowsPerPage), dotsPerMm);
                }
                return p.end();
            }
            if (format == PictureFile::Format::Svg) {
                const double dotsPerMm = kSvgDpi / 25.4;
                const QSize size(qRound(kPageWidth * dotsPerMm), qRound(tallHeight * dotsPerMm));
                QSvgGenerator svg;
                svg.setOutputDevice(&device);
                svg.setSize(size);
                svg.setViewBox(QRect(QPoint(0, 0), size));
                svg.setResolution(kSvgDpi);
                svg.setTitle(QStringLiteral("Chord sheet"));
                if (!p.begin(&svg)) {
                    *reason = QStringLiteral("the SVG did not start");
                    return false;
                }
                p.fillRect(QRect(QPoint(0, 0), size), Qt::white);
                paintRows(p, 0, rows, dotsPerMm);
                return p.end();
            }
            const double dotsPerMm = kPictureDpi / 25.4;
            QImage sheet(qRound(kPageWidth * dotsPerMm), qRound(tallHeight * dotsPerMm), QImage::Format_RGB32);
            if (sheet.isNull()) {
                *reason = QStringLiteral("no memory for the picture");
                return false;
            }
            sheet.setDotsPerMeterX(qRound(dotsPerMm * 1000));
            sheet.setDotsPerMeterY(qRound(dotsPerMm * 1000));
            sheet.fill(Qt::white);
            p.begin(&sheet);
            paintRows(p, 0, rows, dotsPerMm);
            p.end();
            if (!sheet.save(&device, "PNG")) {
                *reason = QStringLiteral("the picture did not encode");
                return false;
            }
            return true;
        },
        error);
}

} // namespace fretlore

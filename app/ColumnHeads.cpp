// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ColumnHeads.h"

#include <QFontMetrics>
#include <QPainter>

namespace fretlore {

ColumnHeads::ColumnHeads(QWidget* parent) : LabelControl(parent) {}

void ColumnHeads::SetCentres(const QList<int>& centres)
{
    centres_ = centres;
    update();
}

void ColumnHeads::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (!Transparent())
        p.fillRect(rect(), Color());
    p.setPen(FontColor());
    p.setFont(font());
    const QFontMetrics fm(font());
    const QStringList words = Caption().split(u' ', Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < words.size() && i < centres_.size(); ++i) {
        const int width = fm.horizontalAdvance(words[i]);
        p.drawText(QRect(centres_[i] - width / 2, 0, width, height()), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                   words[i]);
    }
}

} // namespace fretlore

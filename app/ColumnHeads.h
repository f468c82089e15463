// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/LabelControl.h"

#include <QList>

namespace fretlore {

// A label whose caption is a row of column heads: each word of the caption is
// drawn centred on its own column's centre (in the label's coordinates), so
// every head shows whole over its column whatever the widths of the font's
// letters and blanks. The caption itself stays as it was given.
class ColumnHeads : public LabelControl {
    Q_OBJECT
public:
    explicit ColumnHeads(QWidget* parent);

    // The centres, one per word, left to right; words beyond them are not drawn.
    QList<int> Centres() const { return centres_; }
    void SetCentres(const QList<int>& centres);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QList<int> centres_;
};

} // namespace fretlore

// SPDX-License-Identifier: GPL-3.0-or-later
#include "flat/TFlatEditUnit.h"

#include <QApplication>
#include <QFocusEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTextBoundaryFinder>
#include <QValidator>

#include <algorithm>

namespace fretlore {

namespace {
constexpr int kFrame = 3; // outline plus the two-pixel band

// The number of characters a user sees in `text`.
int visibleLength(const QString& text)
{
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    int n = 0;
    while (finder.toNextBoundary() > 0)
        ++n;
    return n;
}

// Holds an edit's text to its MaxLength in visible characters: whatever goes
// beyond is cut from the text just inserted (before the cursor), whole
// characters at a time, as the edit's own limit would cut code units.
class VisibleLengthLimit : public QValidator {
public:
    explicit VisibleLengthLimit(TFlatEdit* edit) : QValidator(edit), edit_(edit) {}

    State validate(QString& input, int& pos) const override
    {
        const int limit = edit_->MaxLength();
        int excess = limit > 0 ? visibleLength(input) - limit : 0;
        if (excess <= 0)
            return Acceptable;
        QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, input);
        finder.setPosition(pos);
        int from = pos;
        while (excess > 0 && from > 0) {
            from = int(finder.toPreviousBoundary());
            --excess;
        }
        input.remove(from, pos - from);
        pos = from;
        return visibleLength(input) <= limit ? Acceptable : Invalid;
    }

private:
    TFlatEdit* edit_;
};

} // namespace

TFlatEdit::TFlatEdit(QWidget* parent) : QLineEdit(parent), colors_(*this, FlatLightFace, true)
{
    colors_.AddDerived(clWhite, 10, AdvColorDirection::Lighter);   // kFocused
    colors_.AddDerived(FlatBorder, 50, AdvColorDirection::Darker); // kBorder
    setFrame(false);
    // The text lives inside the frame.
    setContentsMargins(kFrame, kFrame, kFrame, kFrame);
    setFocusPolicy(Qt::StrongFocus);
    setValidator(new VisibleLengthLimit(this));
    resize(121, height());
    adjustHeight();
    redrawFrame();
}

void TFlatEdit::SetColorFocused(TColor c)
{
    colors_.SetDerived(kFocused, c);
    redrawFrame();
}

void TFlatEdit::SetColorBorder(TColor c)
{
    colors_.SetDerived(kBorder, c);
    redrawFrame();
}

void TFlatEdit::SetColorFlat(TColor c)
{
    colors_.SetBase(c);
    redrawFrame();
}

void TFlatEdit::SetParentColor(bool on)
{
    if (on == colors_.ParentColor())
        return;
    colors_.SetParentColor(on);
    if (on)
        redrawFrame();
}

void TFlatEdit::SetFontColor(TColor c)
{
    fontColor_ = c;
    redrawFrame();
}

void TFlatEdit::setAdvPercent(int slot, int percent)
{
    colors_.SetPercent(slot, percent);
    if (colors_.UseAdvColors())
        redrawFrame();
}

void TFlatEdit::SetAdvColorFocused(int percent)
{
    setAdvPercent(kFocused, percent);
}

void TFlatEdit::SetAdvColorBorder(int percent)
{
    setAdvPercent(kBorder, percent);
}

void TFlatEdit::SetUseAdvColors(bool on)
{
    if (colors_.SetUseAdvColors(on))
        redrawFrame();
}

bool TFlatEdit::FocusedLook() const
{
    if (hasFocus())
        return true;
    return mouseOver_ && !qobject_cast<TFlatEdit*>(QApplication::focusWidget());
}

QColor TFlatEdit::bandColor() const
{
    return ToQColor(FocusedLook() ? colors_.Derived(kFocused) : colors_.Base());
}

void TFlatEdit::applyPalette(const QColor& background)
{
    const QColor text = ToQColor(fontColor_);
    QPalette pal = palette();
    if (pal.color(QPalette::Base) == background && pal.color(QPalette::Text) == text)
        return;
    pal.setColor(QPalette::Base, background);
    pal.setColor(QPalette::Text, text);
    applyingPalette_ = true;
    setPalette(pal);
    applyingPalette_ = false;
}

void TFlatEdit::redrawFrame()
{
    // The background takes the look's colour, so the band and the field are one.
    applyPalette(bandColor());
    update();
}

void TFlatEdit::adjustHeight()
{
    resize(width(), TextMetricHeight(font()) + 2 * kFrame);
}

void TFlatEdit::paintEvent(QPaintEvent* e)
{
    QLineEdit::paintEvent(e);
    const QColor band = bandColor();
    QPainter p(this);
    p.setPen(ToQColor(colors_.Derived(kBorder)));
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    p.setPen(band);
    p.drawRect(rect().adjusted(1, 1, -2, -2));
    p.drawRect(rect().adjusted(2, 2, -3, -3));
}

void TFlatEdit::SetMaxLength(int n)
{
    maxLength_ = std::max(0, n);
    // Text already longer is cut to the new limit.
    if (maxLength_ > 0 && visibleLength(text()) > maxLength_) {
        QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text());
        for (int i = 0; i < maxLength_; ++i)
            finder.toNextBoundary();
        setText(text().left(finder.position()));
    }
}

void TFlatEdit::focusInEvent(QFocusEvent* e)
{
    // Tab and Backtab select the whole text already; a click selects it once
    // the press that brought the focus has placed the cursor.
    enteredByMouse_ = e->reason() == Qt::MouseFocusReason;
    QLineEdit::focusInEvent(e);
    redrawFrame();
}

void TFlatEdit::mousePressEvent(QMouseEvent* e)
{
    QLineEdit::mousePressEvent(e);
    if (enteredByMouse_ && e->button() == Qt::LeftButton)
        selectAll();
    enteredByMouse_ = false;
}

void TFlatEdit::focusOutEvent(QFocusEvent* e)
{
    QLineEdit::focusOutEvent(e);
    redrawFrame();
}

void TFlatEdit::enterEvent(QEnterEvent* e)
{
    QLineEdit::enterEvent(e);
    if (QApplication::activeWindow()) {
        mouseOver_ = true;
        redrawFrame();
    }
}

void TFlatEdit::leaveEvent(QEvent* e)
{
    QLineEdit::leaveEvent(e);
    mouseOver_ = false;
    redrawFrame();
}

void TFlatEdit::changeEvent(QEvent* e)
{
    switch (e->type()) {
    case QEvent::PaletteChange:
    case QEvent::ApplicationPaletteChange:
    case QEvent::ParentChange:
        QLineEdit::changeEvent(e);
        if (applyingPalette_)
            return;
        // The parent's (or the system's) colours changed, or the parent did.
        colors_.PaletteChanged(false);
        redrawFrame();
        return;
    case QEvent::EnabledChange:
        QLineEdit::changeEvent(e);
        redrawFrame();
        return;
    case QEvent::FontChange:
        QLineEdit::changeEvent(e);
        adjustHeight();
        return;
    default:
        QLineEdit::changeEvent(e);
    }
}

} // namespace fretlore

// SPDX-License-Identifier: GPL-3.0-or-later
#include "flat/TFlatComboBoxUnit.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyledItemDelegate>

#include <algorithm>

namespace fretlore {

namespace {
constexpr int kItemHeight = 13;
constexpr int kArrowButtonWidth = 13; // the arrow button with its outline
} // namespace

TFlatComboBox::TFlatComboBox(QWidget* parent)
    : QComboBox(parent), colors_(*this, FlatLightFace, false, FlatColors::AdvBase::Parent)
{
    colors_.AddDerived(FlatBorder, 50, AdvColorDirection::Darker);   // kBorder
    colors_.AddDerived(FlatDownFace, 10, AdvColorDirection::Darker); // kArrowBackground
    nativeButtonWidth_ = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);

    setAttribute(Qt::WA_OpaquePaintEvent);
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setFrame(false);
    setMaxVisibleItems(8);
    // A plain item delegate honours the rows' size hints, which carry ItemHeight.
    setItemDelegate(new QStyledItemDelegate(this));
    connect(model(), &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) { applyItemHeight(first, last); });
    view()->window()->installEventFilter(this);
    setCurrentIndex(-1);
    applyColors();
    placeEditPart();
}

void TFlatComboBox::SetColor(TColor c)
{
    colors_.SetBase(c);
    applyColors();
    update();
}

void TFlatComboBox::SetColorArrow(TColor c)
{
    colorArrow_ = c;
    update();
}

void TFlatComboBox::SetColorArrowBackground(TColor c)
{
    colors_.SetDerived(kArrowBackground, c);
    update();
}

void TFlatComboBox::SetColorBorder(TColor c)
{
    colors_.SetDerived(kBorder, c);
    update();
}

void TFlatComboBox::SetFontColor(TColor c)
{
    fontColor_ = c;
    applyColors();
    update();
}

void TFlatComboBox::SetAdvColorBorder(int percent)
{
    colors_.SetPercent(kBorder, percent);
    update();
}

void TFlatComboBox::SetAdvColorArrowBackground(int percent)
{
    colors_.SetPercent(kArrowBackground, percent);
    update();
}

void TFlatComboBox::SetUseAdvColors(bool on)
{
    if (colors_.SetUseAdvColors(on))
        update();
}

void TFlatComboBox::applyColors()
{
    const QColor color = ToQColor(colors_.Base());
    const QColor text = ToQColor(fontColor_);
    QPalette pal = palette();
    // Window is left to the parent, so that the box hears of the parent's colour changing.
    for (const auto role : {QPalette::Base, QPalette::Button})
        pal.setColor(role, color);
    for (const auto role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        pal.setColor(role, text);
    applyingPalette_ = true;
    setPalette(pal);
    if (QLineEdit* edit = lineEdit())
        edit->setPalette(pal);
    // The drop-down list is a window of its own and does not inherit the box's palette.
    view()->setPalette(pal);
    pal.setColor(QPalette::Window, color);
    view()->window()->setPalette(pal);
    applyingPalette_ = false;
}

void TFlatComboBox::SetItemHeight(int h)
{
    itemHeight_ = h;
    applyItemHeight(0, count() - 1);
}

void TFlatComboBox::applyItemHeight(int first, int last)
{
    for (int i = first; i <= last; ++i)
        setItemData(i, QSize(0, itemHeight_), Qt::SizeHintRole);
}

QRect TFlatComboBox::ArrowButtonRect() const
{
    return QRect(width() - kArrowButtonWidth, 0, kArrowButtonWidth, height());
}

void TFlatComboBox::placeEditPart()
{
    // The edit part sits inside the band, clear of the arrow button.
    if (QLineEdit* edit = lineEdit()) {
        // The text is exactly what the user types: the list completes nothing
        // (a new edit part comes with a completer of its own).
        if (edit->completer())
            setCompleter(nullptr);
        // Setting the frame asks the box for a new layout even when nothing
        // changes, which would call this again: an endless round of layouts
        // and repaints.
        if (edit->hasFrame())
            edit->setFrame(false);
        edit->installEventFilter(this);
        edit->setGeometry(3, 3, width() - 19, height() - 6);
    }
}

void TFlatComboBox::updateActive()
{
    const bool active = listOpen_ || hasFocus() || (lineEdit() && lineEdit()->hasFocus());
    if (active == active_)
        return;
    active_ = active;
    update();
}

void TFlatComboBox::showPopup()
{
    listOpen_ = true;
    update(ArrowButtonRect());
    QComboBox::showPopup();
    updateActive();
}

void TFlatComboBox::hidePopup()
{
    QComboBox::hidePopup();
    listOpen_ = false;
    update(ArrowButtonRect().adjusted(-2, 0, 0, 0));
    updateActive();
}

bool TFlatComboBox::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == view()->window() && e->type() == QEvent::Hide && listOpen_) {
        // The list closed by itself (a click elsewhere).
        listOpen_ = false;
        update(ArrowButtonRect().adjusted(-2, 0, 0, 0));
        updateActive();
    } else if (watched == lineEdit() && (e->type() == QEvent::FocusIn || e->type() == QEvent::FocusOut)) {
        updateActive();
    }
    return QComboBox::eventFilter(watched, e);
}

bool TFlatComboBox::event(QEvent* e)
{
    const bool result = QComboBox::event(e);
    switch (e->type()) {
    case QEvent::Show:
    case QEvent::LayoutRequest:
    case QEvent::StyleChange:
        placeEditPart();
        break;
    default:
        break;
    }
    return result;
}

void TFlatComboBox::resizeEvent(QResizeEvent* e)
{
    QComboBox::resizeEvent(e);
    placeEditPart();
}

void TFlatComboBox::focusInEvent(QFocusEvent* e)
{
    QComboBox::focusInEvent(e);
    updateActive();
    update();
}

void TFlatComboBox::focusOutEvent(QFocusEvent* e)
{
    QComboBox::focusOutEvent(e);
    updateActive();
    update();
}

void TFlatComboBox::changeEvent(QEvent* e)
{
    QComboBox::changeEvent(e);
    switch (e->type()) {
    case QEvent::FontChange:
        SetItemHeight(kItemHeight);
        placeEditPart();
        break;
    case QEvent::EnabledChange:
        update();
        break;
    case QEvent::PaletteChange:
    case QEvent::ApplicationPaletteChange:
        if (applyingPalette_)
            break;
        colors_.PaletteChanged(true);
        applyColors();
        update();
        break;
    default:
        break;
    }
}

void TFlatComboBox::mousePressEvent(QMouseEvent* e)
{
    // The flat arrow button is wider than the native one it covers: a press
    // anywhere on it goes to the combo box as a press on the native button,
    // so that the list opens and stays open when the button is released.
    const QPoint at = e->position().toPoint();
    if (isEditable() && e->button() == Qt::LeftButton &&
        at.x() >= width() - std::max(kArrowButtonWidth, nativeButtonWidth_ + 2)) {
        QStyleOptionComboBox opt;
        initStyleOption(&opt);
        const QRect native = style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxArrow, this);
        if (!native.isEmpty() && !native.contains(at)) {
            QMouseEvent onNative(e->type(), QPointF(native.center()), e->scenePosition(), e->globalPosition(),
                                 e->button(), e->buttons(), e->modifiers(), e->pointingDevice());
            QComboBox::mousePressEvent(&onNative);
            e->setAccepted(onNative.isAccepted());
            return;
        }
    }
    QComboBox::mousePressEvent(e);
}

void TFlatComboBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(QRect(0, 0, width() - 15, height()), ToQColor(colors_.Base()));
    if (!isEditable())
        paintFocusLook(p);
    paintBorderAndArrow(p);
}

void TFlatComboBox::paintFocusLook(QPainter& p)
{
    const int cw = width();
    const int ch = height();
    const bool focusShown = hasFocus() && !listOpen_;
    const QColor color = ToQColor(colors_.Base());
    const QColor highlight = palette().color(QPalette::Highlight);
    const QRect field(3, 3, cw - 24, ch - 6);
    p.fillRect(field, focusShown ? highlight : color);
    p.setPen(focusShown ? palette().color(QPalette::HighlightedText) : ToQColor(fontColor_));
    p.setFont(font());
    p.drawText(field.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, currentText());
    p.fillRect(QRect(cw - 21, 3, 5, ch - 6), focusShown ? highlight : color);
    if (focusShown) {
        p.setPen(highlight);
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRect(3, 3, cw - 19, ch - 6).adjusted(0, 0, -1, -1));
    }
}

void TFlatComboBox::paintBorderAndArrow(QPainter& p)
{
    // Border: the outline, then two rings in Color, around everything left of the arrow button.
    const QColor outline = ToQColor(colors_.Derived(kBorder));
    const QRect border(0, 0, width() - 12, height());
    p.setBrush(Qt::NoBrush);
    p.setPen(outline);
    p.drawRect(border.adjusted(0, 0, -1, -1));
    p.setPen(ToQColor(colors_.Base()));
    p.drawRect(border.adjusted(1, 1, -2, -2));
    p.drawRect(border.adjusted(2, 2, -3, -3));

    // Arrow button, its left column shared with the border's right edge.
    const QRect button = ArrowButtonRect();
    p.fillRect(button, ToQColor(colors_.Derived(kArrowBackground)));
    p.setPen(outline);
    p.drawRect(button.adjusted(0, 0, -1, -1));
    const int cx = button.left() + button.width() / 2;
    const int cy = button.top() + button.height() / 2;
    const auto triangle = [&](int dx, int dy, const QColor& c) {
        QPoint points[3];
        if (listOpen_) {
            points[0] = {cx - 2 + dx, cy + 1 + dy};
            points[1] = {cx + 2 + dx, cy + 1 + dy};
            points[2] = {cx + dx, cy - 1 + dy};
        } else {
            points[0] = {cx - 2 + dx, cy - 1 + dy};
            points[1] = {cx + 2 + dx, cy - 1 + dy};
            points[2] = {cx + dx, cy + 1 + dy};
        }
        p.setPen(c);
        p.setBrush(c);
        p.drawPolygon(points, 3);
    };
    if (isEnabled()) {
        triangle(0, 0, ToQColor(colorArrow_));
    } else {
        triangle(1, 1, ToQColor(clWhite));
        triangle(0, 0, ToQColor(clGray));
    }
}

} // namespace fretlore

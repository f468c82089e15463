// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/ListBoxControl.h"

#include <algorithm>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyledItemDelegate>

namespace fretlore {

namespace {

// Draws lines as usual but gives them the list's item height.
class FixedHeightDelegate : public QStyledItemDelegate {
public:
    FixedHeightDelegate(ListBoxControl* list) : QStyledItemDelegate(list), list_(list) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        if (list_->ItemHeight() > 0)
            size.setHeight(list_->ItemHeight());
        return size;
    }

private:
    ListBoxControl* list_;
};

} // namespace

ListBoxControl::ListBoxControl(QWidget* parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    // No current line until one is chosen: without this, the first focus by
    // keyboard would make line 0 current.
    setCurrentIndex(QModelIndex());
    setItemDelegate(new FixedHeightDelegate(this));
}

void ListBoxControl::SetItemHeight(int pixels)
{
    itemHeight_ = std::max(0, pixels);
    // Sizes are cached by the view: lay the lines out again.
    scheduleDelayedItemsLayout();
}

namespace {

// Right and middle buttons do nothing to the list: their events end here.
bool swallowOtherButtons(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton || e->button() == Qt::NoButton)
        return false;
    e->accept();
    return true;
}

} // namespace

void ListBoxControl::mousePressEvent(QMouseEvent* e)
{
    if (swallowOtherButtons(e))
        return;
    QListWidget::mousePressEvent(e);
    pressedOnItem_ = itemAt(e->position().toPoint()) != nullptr;
    firedWhileDragging_ = false;
}

void ListBoxControl::mouseMoveEvent(QMouseEvent* e)
{
    // Only the left button drags the selection along.
    if (!(e->buttons() & Qt::LeftButton) && e->buttons() != Qt::NoButton) {
        e->accept();
        return;
    }
    const int before = currentRow();
    QListWidget::mouseMoveEvent(e);
    if ((e->buttons() & Qt::LeftButton) && currentRow() != before && currentRow() >= 0) {
        firedWhileDragging_ = true;
        emit click();
    }
}

void ListBoxControl::mouseReleaseEvent(QMouseEvent* e)
{
    if (swallowOtherButtons(e))
        return;
    QListWidget::mouseReleaseEvent(e);
    if (pressedOnItem_) {
        pressedOnItem_ = false;
        if (!firedWhileDragging_)
            emit click();
    }
}

void ListBoxControl::mouseDoubleClickEvent(QMouseEvent* e)
{
    if (swallowOtherButtons(e))
        return;
    QListWidget::mouseDoubleClickEvent(e);
}

QItemSelectionModel::SelectionFlags ListBoxControl::selectionCommand(const QModelIndex& index,
                                                                     const QEvent* event) const
{
    const QItemSelectionModel::SelectionFlags flags = QListWidget::selectionCommand(index, event);
    // A selected line stays selected: what would deselect it selects it again.
    if (flags & (QItemSelectionModel::Deselect | QItemSelectionModel::Toggle))
        return QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
    return flags;
}

void ListBoxControl::keyPressEvent(QKeyEvent* e)
{
    const int before = currentRow();
    QListWidget::keyPressEvent(e);
    if (currentRow() != before && currentRow() >= 0) {
        setCurrentRow(currentRow(), QItemSelectionModel::ClearAndSelect);
        emit click();
    }
}

} // namespace fretlore

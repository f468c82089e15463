#include "platform/ListBoxControl.h"

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

void ListBoxControl::mousePressEvent(QMouseEvent* e)
{
    QListWidget::mousePressEvent(e);
    pressedOnItem_ = e->button() == Qt::LeftButton && itemAt(e->position().toPoint()) != nullptr;
}

void ListBoxControl::mouseReleaseEvent(QMouseEvent* e)
{
    QListWidget::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton && pressedOnItem_) {
        pressedOnItem_ = false;
        emit click();
    }
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

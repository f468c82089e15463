#include "platform/ListBoxControl.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace fretlore {

ListBoxControl::ListBoxControl(QWidget* parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    // No current line until one is chosen: without this, the first focus by
    // keyboard would make line 0 current.
    setCurrentIndex(QModelIndex());
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

// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/SearchHistory.h"

namespace fretlore {

int HistoryInsertIndex(int itemCount, const std::function<QString(int index)>& itemAt, const QString& text)
{
    for (int i = 0; i < itemCount; ++i)
        if (itemAt(i).compare(text, Qt::CaseInsensitive) == 0)
            return -1;
    return 0;
}

int HistoryInsertIndex(const QStringList& items, const QString& text)
{
    return HistoryInsertIndex(int(items.size()), [&items](int index) { return items.at(index); }, text);
}

} // namespace fretlore

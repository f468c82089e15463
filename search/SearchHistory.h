// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace fretlore {

// The name field's drop-down remembers every searched text once, newest new
// text at the top. Returns where `text` goes: 0 (the top; in an empty list,
// the only item) when no item equals it, or -1 when one does, the lookup
// comparing whole items without regard to letter case. An item found keeps
// its place and the letter case it was first typed in.
int HistoryInsertIndex(int itemCount, const std::function<QString(int index)>& itemAt, const QString& text);

// The same over a list of items.
int HistoryInsertIndex(const QStringList& items, const QString& text);

} // namespace fretlore

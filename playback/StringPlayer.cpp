#include "playback/StringPlayer.h"

namespace fretlore {

StringPlayer::StringPlayer(QObject* parent, const QString& name) : QObject(parent)
{
    setObjectName(name);
}

} // namespace fretlore

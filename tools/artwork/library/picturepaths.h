#pragma once

#include <QString>
#include <QStringList>

// Resource paths of the program's pictures, compiled in by the
// fretlore_artwork library.
namespace PicturePaths {

inline const QString Stratocaster = QStringLiteral(":/pictures/stratocaster.png");
inline const QString MainMask = QStringLiteral(":/pictures/main_mask.png");
inline const QString Splash = QStringLiteral(":/pictures/splash.png");
inline const QString SplashMask = QStringLiteral(":/pictures/splash_mask.png");
inline const QString Kestrune = QStringLiteral(":/pictures/kestrune.png");
inline const QString Ultimate = QStringLiteral(":/pictures/ultimate.png");
inline const QString Play = QStringLiteral(":/pictures/play.png");
inline const QString Author = QStringLiteral(":/pictures/author.png");
inline const QString Www = QStringLiteral(":/pictures/www.png");
inline const QString Mail = QStringLiteral(":/pictures/mail.png");
inline const QString Exclamation = QStringLiteral(":/pictures/exclamation.png");
inline const QString ChordTemplate = QStringLiteral(":/pictures/chord_template.png");

// Every path above.
QStringList all();

} // namespace PicturePaths

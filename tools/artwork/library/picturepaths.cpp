#include "picturepaths.h"

namespace PicturePaths {

QStringList all()
{
    return {Stratocaster, MainMask, Splash, SplashMask, Kestrune, Ultimate,
            Play, Author, Www, Mail, Exclamation, ChordTemplate};
}

} // namespace PicturePaths

#include "chords/ChordsArguments.h"
#include "chords/ChordsProgram.h"

namespace fretlore {

// Until the chord files are written, export says so and writes nothing.
int ChordsProgram::exportFiles(const ChordsArguments&)
{
    return fail(kFailed, QStringLiteral("export is not available in this build"));
}

} // namespace fretlore

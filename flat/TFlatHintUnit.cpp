#include "flat/TFlatHintUnit.h"

namespace fretlore {

TFlatHint::TFlatHint(QObject* parent) : QObject(parent) {}

} // namespace fretlore

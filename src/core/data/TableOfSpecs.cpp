#include "core/data/TableOfSpecs.h"

namespace kor {}  // namespace kor

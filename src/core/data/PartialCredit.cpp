#include "core/data/PartialCredit.h"

namespace kor {}  // namespace kor

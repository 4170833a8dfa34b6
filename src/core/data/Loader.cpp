#include "core/data/Loader.h"

namespace kor {}  // namespace kor

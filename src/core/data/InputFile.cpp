#include "core/data/InputFile.h"

namespace kor {}  // namespace kor

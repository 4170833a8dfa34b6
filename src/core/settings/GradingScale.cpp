#include "core/settings/GradingScale.h"

namespace kor {}  // namespace kor

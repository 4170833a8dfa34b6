#include "core/settings/GroupSettings.h"

namespace kor {}  // namespace kor

#include "core/data/AltAnswers.h"

namespace kor {}  // namespace kor

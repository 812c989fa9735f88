#include "GenericPlatform/ICursor.h"

static_assert(EMouseCursor::Hand == 9, "the engine's cursor numbering");

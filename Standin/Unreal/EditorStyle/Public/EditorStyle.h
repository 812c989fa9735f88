#pragma once

#include "EditorStyleSet.h"

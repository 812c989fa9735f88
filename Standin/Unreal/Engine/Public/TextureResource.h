// The engine declares FTexture2DMipMap here; the stand-in keeps it with the other texture data.
#pragma once

#include "Engine/Texture.h"

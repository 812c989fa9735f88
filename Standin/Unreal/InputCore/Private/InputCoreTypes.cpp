#include "InputCoreTypes.h"

const FKey EKeys::LeftMouseButton(FName(TEXT("LeftMouseButton")));
const FKey EKeys::RightMouseButton(FName(TEXT("RightMouseButton")));
const FKey EKeys::Enter(FName(TEXT("Enter")));
const FKey EKeys::Escape(FName(TEXT("Escape")));

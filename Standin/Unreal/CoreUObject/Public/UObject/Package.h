// UPackage: the outermost object of an asset; saved as one file below the project's Content folder.
#pragma once

#include <atomic>

#include "UObject/Object.h"

class UPackage : public UObject
{
	GENERATED_BODY()

public:
	bool IsDirty() const { return bDirty.load(); }
	void SetDirtyFlag(bool bIsDirty) { bDirty.store(bIsDirty); }

private:
	std::atomic<bool> bDirty{false};
};

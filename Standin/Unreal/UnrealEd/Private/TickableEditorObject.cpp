#include "TickableEditorObject.h"

#include <algorithm>
#include <mutex>
#include <vector>

#include "Standin/Tickables.h"

namespace
{
struct FTickableRegistry
{
	std::recursive_mutex Mutex;
	std::vector<FTickableEditorObject*> Objects;
	int NumTicked = 0;
};

FTickableRegistry& GetRegistry()
{
	static FTickableRegistry* Registry = new FTickableRegistry();
	return *Registry;
}
} // namespace

FTickableEditorObject::FTickableEditorObject()
{
	FTickableRegistry& Registry = GetRegistry();
	std::lock_guard Lock(Registry.Mutex);
	Registry.Objects.push_back(this);
}

FTickableEditorObject::~FTickableEditorObject()
{
	FTickableRegistry& Registry = GetRegistry();
	std::lock_guard Lock(Registry.Mutex);
	std::erase(Registry.Objects, this);
}

namespace Standin::Editor
{
void TickTickables(float DeltaTime)
{
	FTickableRegistry& Registry = GetRegistry();
	// A tick may create or destroy tickables: walk a copy, and skip objects gone meanwhile. The lock
	// is not held while an object ticks: a tick reaches other locks (a module loaded from a Steam
	// callback takes the module manager's), which module loading takes in the other order.
	std::vector<FTickableEditorObject*> Snapshot;
	{
		std::lock_guard Lock(Registry.Mutex);
		Snapshot = Registry.Objects;
	}
	int NumTicked = 0;
	for (FTickableEditorObject* Object : Snapshot)
	{
		bool bTick = false;
		{
			std::lock_guard Lock(Registry.Mutex);
			if (std::find(Registry.Objects.begin(), Registry.Objects.end(), Object) == Registry.Objects.end())
			{
				continue;
			}
			const ETickableTickType Type = Object->GetTickableTickType();
			bTick = Type == ETickableTickType::Always || (Type == ETickableTickType::Conditional && Object->IsTickable());
		}
		if (bTick)
		{
			Object->Tick(DeltaTime);
			++NumTicked;
		}
	}
	std::lock_guard Lock(Registry.Mutex);
	Registry.NumTicked = NumTicked;
}

int NumRegisteredTickables()
{
	FTickableRegistry& Registry = GetRegistry();
	std::lock_guard Lock(Registry.Mutex);
	return static_cast<int>(Registry.Objects.size());
}

int NumTickedLastFrame()
{
	FTickableRegistry& Registry = GetRegistry();
	std::lock_guard Lock(Registry.Mutex);
	return Registry.NumTicked;
}
} // namespace Standin::Editor

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
	std::lock_guard Lock(Registry.Mutex);
	// A tick may create or destroy tickables: walk a copy, and skip objects gone meanwhile.
	const std::vector<FTickableEditorObject*> Snapshot = Registry.Objects;
	Registry.NumTicked = 0;
	for (FTickableEditorObject* Object : Snapshot)
	{
		if (std::find(Registry.Objects.begin(), Registry.Objects.end(), Object) == Registry.Objects.end())
		{
			continue;
		}
		const ETickableTickType Type = Object->GetTickableTickType();
		if (Type == ETickableTickType::Always || (Type == ETickableTickType::Conditional && Object->IsTickable()))
		{
			Object->Tick(DeltaTime);
			++Registry.NumTicked;
		}
	}
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

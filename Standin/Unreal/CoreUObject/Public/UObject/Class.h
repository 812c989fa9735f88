// UClass: the class object of a UObject class: its name (without the U prefix), its super class and
// the properties that packages save and the details panel edits (see Standin/ClassModel.h).
#pragma once

#include <memory>

#include "UObject/Object.h"

namespace Standin
{
class FClassDescription;
}

class UClass : public UObject
{
	GENERATED_BODY()

public:
	UClass() = default;
	~UClass() override;

	UClass* GetSuperClass() const { return SuperClass; }
	bool IsChildOf(const UClass* SomeBase) const;
	template <class T>
	bool IsChildOf() const
	{
		return IsChildOf(T::StaticClass());
	}

	// Stand-in only: the class's property table and hooks.
	const Standin::FClassDescription& GetStandinDescription() const { return *Description; }

private:
	friend class Standin::FObjectRegistry;

	UClass* SuperClass = nullptr;
	std::unique_ptr<Standin::FClassDescription> Description;
};

#pragma once

#include "CoreMinimal.h"
#include "Styling/SlateStyle.h"

// A style set that serves the Slate brush and widget-style assets below a content folder. The
// stand-in has no cooked Slate assets, so the set holds no entries: every lookup gives the default
// brush after a warning, as the engine does for a name that is not there.
class FSlateGameResources : public FSlateStyleSet
{
public:
	static TSharedRef<FSlateGameResources> New(const FName& InStyleSetName, const FString& ScopeToDirectory, const FString& InBasePath = FString());

	void Initialize(const FString& ScopeToDirectory, const FString& InBasePath);
	const FString& GetScope() const { return Scope; }
	const FString& GetBasePath() const { return BasePath; }

protected:
	explicit FSlateGameResources(const FName& InStyleSetName) : FSlateStyleSet(InStyleSetName) {}

private:
	FString Scope;
	FString BasePath;
};

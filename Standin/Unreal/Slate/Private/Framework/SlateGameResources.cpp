#include "Slate/SlateGameResources.h"

TSharedRef<FSlateGameResources> FSlateGameResources::New(const FName& InStyleSetName, const FString& ScopeToDirectory, const FString& InBasePath)
{
	const TSharedRef<FSlateGameResources> NewStyle = MakeShareable(new FSlateGameResources(InStyleSetName));
	NewStyle->Initialize(ScopeToDirectory, InBasePath);
	return NewStyle;
}

void FSlateGameResources::Initialize(const FString& ScopeToDirectory, const FString& InBasePath)
{
	Scope = ScopeToDirectory;
	BasePath = InBasePath;
	SetContentRoot(InBasePath);
}

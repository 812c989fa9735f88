#pragma once

#include "Containers/Set.h"
#include "CoreMinimal.h"
#include "Styling/ISlateStyle.h"

// A style set defined in code: brushes and widget styles by name.
class FSlateStyleSet : public ISlateStyle
{
public:
	explicit FSlateStyleSet(const FName& InStyleSetName);
	~FSlateStyleSet() override;

	const FName& GetStyleSetName() const override { return StyleSetName; }
	const FSlateBrush* GetBrush(const FName PropertyName, const ANSICHAR* Specifier = nullptr) const override;
	const FSlateBrush* GetOptionalBrush(const FName PropertyName, const ANSICHAR* Specifier = nullptr,
										const FSlateBrush* const DefaultBrush = nullptr) const override;
	const FSlateBrush* GetDefaultBrush() const override { return &DefaultBrush.Get(); }

	// Takes ownership of the brush.
	void Set(const FName PropertyName, FSlateBrush* InBrush);
	template <typename BrushType>
	void Set(const FName PropertyName, BrushType* InBrush)
	{
		Set(PropertyName, static_cast<FSlateBrush*>(InBrush));
	}
	// Keeps a copy of the widget style.
	template <typename DefinitionType>
	void Set(const FName PropertyName, const DefinitionType& InStyleDefinition)
	{
		WidgetStyleValues.Add(PropertyName, MakeShareable(new DefinitionType(InStyleDefinition)));
	}

	void SetContentRoot(const FString& InContentRootDir) { ContentRootDir = InContentRootDir; }
	void SetCoreContentRoot(const FString& InCoreContentRootDir) { CoreContentRootDir = InCoreContentRootDir; }
	FString RootToContentDir(const FString& RelativePath, const TCHAR* Extension) const
	{
		return ContentRootDir / RelativePath + Extension;
	}
	const FString& GetContentRootDir() const { return ContentRootDir; }

protected:
	const FSlateWidgetStyle* GetWidgetStyleInternal(const FName DesiredTypeName, const FName StyleName) const override;

	FName StyleSetName;
	FString ContentRootDir;
	FString CoreContentRootDir;
	TSharedRef<FSlateBrush> DefaultBrush;
	TMap<FName, TSharedRef<FSlateBrush>> BrushResources;
	TMap<FName, TSharedRef<FSlateWidgetStyle>> WidgetStyleValues;
	mutable TSet<FName> MissingResources;
};

#pragma once

#include "CoreMinimal.h"
#include "Styling/ISlateStyle.h"

#include <map>
#include <memory>
#include <set>
#include <type_traits>

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
	const FSlateBrush* GetDefaultBrush() const override { return DefaultBrush.get(); }

	// Takes ownership of the brush.
	void Set(const FName PropertyName, FSlateBrush* InBrush);
	template <typename WidgetStyleType>
		requires std::is_base_of_v<FSlateWidgetStyle, WidgetStyleType>
	void Set(const FName PropertyName, const WidgetStyleType& InStyleDefinition)
	{
		WidgetStyles[PropertyName] = std::make_unique<WidgetStyleType>(InStyleDefinition);
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
	std::unique_ptr<FSlateBrush> DefaultBrush;
	std::map<FName, std::unique_ptr<FSlateBrush>> BrushResources;
	std::map<FName, std::unique_ptr<FSlateWidgetStyle>> WidgetStyles;
	mutable std::set<FName> MissingResources;
};

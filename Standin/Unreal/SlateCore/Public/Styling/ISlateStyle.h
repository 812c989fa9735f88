#pragma once

#include "CoreMinimal.h"
#include "Styling/SlateBrush.h"
#include "Styling/SlateWidgetStyle.h"

// A named set of brushes and widget styles.
class ISlateStyle
{
public:
	virtual ~ISlateStyle() = default;

	virtual const FName& GetStyleSetName() const = 0;
	// The brush of that name; an unknown name gives the default brush after a warning (once a name).
	virtual const FSlateBrush* GetBrush(const FName PropertyName, const ANSICHAR* Specifier = nullptr) const = 0;
	// The brush of that name, or DefaultBrush without a warning.
	virtual const FSlateBrush* GetOptionalBrush(const FName PropertyName, const ANSICHAR* Specifier = nullptr,
												const FSlateBrush* const DefaultBrush = nullptr) const = 0;
	virtual const FSlateBrush* GetDefaultBrush() const = 0;

	template <typename WidgetStyleType>
	const WidgetStyleType& GetWidgetStyle(FName PropertyName, const ANSICHAR* Specifier = nullptr) const
	{
		const FSlateWidgetStyle* Found = GetWidgetStyleInternal(WidgetStyleType::TypeName, Join(PropertyName, Specifier));
		return Found ? static_cast<const WidgetStyleType&>(*Found) : WidgetStyleType::GetDefault();
	}

protected:
	virtual const FSlateWidgetStyle* GetWidgetStyleInternal(const FName DesiredTypeName, const FName StyleName) const = 0;
	static FName Join(FName A, const ANSICHAR* B);
};

#pragma once

#include "CoreMinimal.h"
#include "Styling/ISlateStyle.h"

// The editor's style set ("EditorStyle"), registered with FSlateStyleRegistry on first use.
class FEditorStyle
{
public:
	static const ISlateStyle& Get();
	static const FName& GetStyleSetName();

	// The editor brush of that name; an unknown name gives the default brush after a warning.
	static const FSlateBrush* GetBrush(FName PropertyName, const ANSICHAR* Specifier = nullptr)
	{
		return Get().GetBrush(PropertyName, Specifier);
	}
	static const FSlateBrush* GetOptionalBrush(FName PropertyName, const ANSICHAR* Specifier = nullptr, const FSlateBrush* const DefaultBrush = nullptr)
	{
		return Get().GetOptionalBrush(PropertyName, Specifier, DefaultBrush);
	}
	static const FSlateBrush* GetDefaultBrush() { return Get().GetDefaultBrush(); }

	template <class T>
	static const T& GetWidgetStyle(FName PropertyName, const ANSICHAR* Specifier = nullptr)
	{
		return Get().GetWidgetStyle<T>(PropertyName, Specifier);
	}
};

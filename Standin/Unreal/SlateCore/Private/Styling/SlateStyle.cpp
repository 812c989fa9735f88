#include "Styling/SlateStyle.h"

#include "Brushes/SlateColorBrush.h"
#include "Styling/SlateStyleRegistry.h"
#include "Styling/SlateTypes.h"
#include "Textures/SlateIcon.h"

#include <map>

DEFINE_LOG_CATEGORY_STATIC(LogSlateStyle, Log, All)


FName ISlateStyle::Join(FName A, const ANSICHAR* B)
{
	return B ? FName(*(A.ToString() + FString(B))) : A;
}

FSlateStyleSet::FSlateStyleSet(const FName& InStyleSetName)
	: StyleSetName(InStyleSetName), DefaultBrush(MakeShareable(new FSlateColorBrush(FLinearColor(1.0f, 0.0f, 1.0f, 1.0f))))
{
}

FSlateStyleSet::~FSlateStyleSet() = default;

void FSlateStyleSet::Set(const FName PropertyName, FSlateBrush* InBrush) { BrushResources.Add(PropertyName, MakeShareable(InBrush)); }

namespace
{
// True the first time a missing name is reported.
bool FirstReport(TSet<FName>& Reported, const FName& Name)
{
	if (Reported.Contains(Name))
	{
		return false;
	}
	Reported.Add(Name);
	return true;
}
} // namespace

const FSlateBrush* FSlateStyleSet::GetBrush(const FName PropertyName, const ANSICHAR* Specifier) const
{
	const FName Name = Join(PropertyName, Specifier);
	if (const TSharedRef<FSlateBrush>* Found = BrushResources.Find(Name))
	{
		return &Found->Get();
	}
	if (FirstReport(MissingResources, Name))
	{
		UE_LOG(LogSlateStyle, Warning, TEXT("Unable to find Brush '%s'."), *Name.ToString());
	}
	return GetDefaultBrush();
}

const FSlateBrush* FSlateStyleSet::GetOptionalBrush(const FName PropertyName, const ANSICHAR* Specifier, const FSlateBrush* const InDefaultBrush) const
{
	const TSharedRef<FSlateBrush>* Found = BrushResources.Find(Join(PropertyName, Specifier));
	return Found ? &Found->Get() : InDefaultBrush;
}

const FSlateWidgetStyle* FSlateStyleSet::GetWidgetStyleInternal(const FName DesiredTypeName, const FName StyleName) const
{
	const TSharedRef<FSlateWidgetStyle>* Found = WidgetStyleValues.Find(StyleName);
	if (!Found || (*Found)->GetTypeName() != DesiredTypeName)
	{
		if (FirstReport(MissingResources, StyleName))
		{
			UE_LOG(LogSlateStyle, Warning, TEXT("Unable to find Slate Widget Style '%s'. Using %s defaults instead."), *StyleName.ToString(),
				   *DesiredTypeName.ToString());
		}
		return nullptr;
	}
	return &Found->Get();
}

namespace
{
std::map<FName, const ISlateStyle*>& Registry()
{
	static std::map<FName, const ISlateStyle*> Styles;
	return Styles;
}
} // namespace

void FSlateStyleRegistry::RegisterSlateStyle(const ISlateStyle& InSlateStyle)
{
	const bool bIsNew = Registry().emplace(InSlateStyle.GetStyleSetName(), &InSlateStyle).second;
	ensureMsgf(bIsNew, TEXT("A style set named '%s' is already registered"), *InSlateStyle.GetStyleSetName().ToString());
}

void FSlateStyleRegistry::UnRegisterSlateStyle(const ISlateStyle& InSlateStyle)
{
	const auto Found = Registry().find(InSlateStyle.GetStyleSetName());
	if (Found != Registry().end() && Found->second == &InSlateStyle)
	{
		Registry().erase(Found);
	}
}

void FSlateStyleRegistry::UnRegisterSlateStyle(const FName StyleSetName) { Registry().erase(StyleSetName); }

const ISlateStyle* FSlateStyleRegistry::FindSlateStyle(const FName& InSlateStyleName)
{
	const auto Found = Registry().find(InSlateStyleName);
	return Found != Registry().end() ? Found->second : nullptr;
}

const FSlateBrush* FSlateIcon::GetIcon() const
{
	const ISlateStyle* Style = bIsSet ? FSlateStyleRegistry::FindSlateStyle(StyleSetName) : nullptr;
	return Style ? Style->GetOptionalBrush(StyleName) : nullptr;
}

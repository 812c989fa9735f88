#include "Styling/SlateStyle.h"

#include "Brushes/SlateColorBrush.h"
#include "Standin/SlatePaint.h"
#include "Styling/CoreStyle.h"
#include "Styling/SlateStyleRegistry.h"
#include "Styling/SlateTypes.h"
#include "Textures/SlateIcon.h"

DEFINE_LOG_CATEGORY_STATIC(LogSlateStyle, Log, All)

const FName FButtonStyle::TypeName(TEXT("FButtonStyle"));
const FName FTextBlockStyle::TypeName(TEXT("FTextBlockStyle"));

FButtonStyle::FButtonStyle() : NormalPadding(0), PressedPadding(0) {}

const FButtonStyle& FButtonStyle::GetDefault()
{
	static const FButtonStyle Default;
	return Default;
}

FTextBlockStyle::FTextBlockStyle() : FontSize(Standin::Slate::DefaultFontSize), bBold(false), ColorAndOpacity(FSlateColor::UseForeground()) {}

const FTextBlockStyle& FTextBlockStyle::GetDefault()
{
	static const FTextBlockStyle Default;
	return Default;
}

FName ISlateStyle::Join(FName A, const ANSICHAR* B)
{
	return B ? FName(*(A.ToString() + FString(B))) : A;
}

FSlateStyleSet::FSlateStyleSet(const FName& InStyleSetName)
	: StyleSetName(InStyleSetName), DefaultBrush(std::make_unique<FSlateColorBrush>(FLinearColor(1.0f, 0.0f, 1.0f, 1.0f)))
{
}

FSlateStyleSet::~FSlateStyleSet() = default;

void FSlateStyleSet::Set(const FName PropertyName, FSlateBrush* InBrush) { BrushResources[PropertyName].reset(InBrush); }

const FSlateBrush* FSlateStyleSet::GetBrush(const FName PropertyName, const ANSICHAR* Specifier) const
{
	const FName Name = Join(PropertyName, Specifier);
	if (const auto Found = BrushResources.find(Name); Found != BrushResources.end())
	{
		return Found->second.get();
	}
	if (MissingResources.insert(Name).second)
	{
		UE_LOG(LogSlateStyle, Warning, TEXT("Unable to find Brush '%s'."), *Name.ToString());
	}
	return GetDefaultBrush();
}

const FSlateBrush* FSlateStyleSet::GetOptionalBrush(const FName PropertyName, const ANSICHAR* Specifier, const FSlateBrush* const InDefaultBrush) const
{
	const auto Found = BrushResources.find(Join(PropertyName, Specifier));
	return Found != BrushResources.end() ? Found->second.get() : InDefaultBrush;
}

const FSlateWidgetStyle* FSlateStyleSet::GetWidgetStyleInternal(const FName DesiredTypeName, const FName StyleName) const
{
	const auto Found = WidgetStyles.find(StyleName);
	if (Found == WidgetStyles.end() || Found->second->GetTypeName() != DesiredTypeName)
	{
		if (MissingResources.insert(StyleName).second)
		{
			UE_LOG(LogSlateStyle, Warning, TEXT("Unable to find Slate Widget Style '%s'. Using %s defaults instead."), *StyleName.ToString(),
				   *DesiredTypeName.ToString());
		}
		return nullptr;
	}
	return Found->second.get();
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

namespace
{
FSlateBrush* MakeBox(const FLinearColor& Fill, float Radius, const FLinearColor& Outline = FLinearColor(0, 0, 0, 0))
{
	FSlateBrush* Brush = new FSlateColorBrush(Fill);
	Brush->StandinCornerRadius = Radius;
	Brush->StandinOutlineColor = Outline;
	return Brush;
}

class FCoreStyleSet : public FSlateStyleSet
{
public:
	FCoreStyleSet() : FSlateStyleSet(FName(TEXT("CoreStyle")))
	{
		using namespace Standin::Slate;
		Set(FName(TEXT("Border")), MakeBox(Look::WindowBackground, 0));
		Set(FName(TEXT("ToolPanel.GroupBorder")), MakeBox(Look::PanelBackground, 3, Look::PanelOutline));

		FButtonStyle Button;
		std::unique_ptr<FSlateBrush> Normal(MakeBox(Look::ButtonNormal, 3, Look::ButtonOutline));
		std::unique_ptr<FSlateBrush> Hovered(MakeBox(Look::ButtonNormal, 3, Look::Accent));
		std::unique_ptr<FSlateBrush> Pressed(MakeBox(Look::ButtonOutline, 3, Look::Accent));
		std::unique_ptr<FSlateBrush> Disabled(MakeBox(Look::ButtonDisabled, 3, Look::ButtonOutline));
		Button.SetNormal(*Normal).SetHovered(*Hovered).SetPressed(*Pressed).SetDisabled(*Disabled);
		Button.SetNormalPadding(FMargin(2, 2, 2, 2)).SetPressedPadding(FMargin(2, 3, 2, 1));
		Set(FName(TEXT("Button")), Button);
		Set(FName(TEXT("NormalText")), FTextBlockStyle());
	}
};
} // namespace

const ISlateStyle& FCoreStyle::Get()
{
	static const FCoreStyleSet Style;
	return Style;
}

const FName& FCoreStyle::GetStyleSetName() { return Get().GetStyleSetName(); }

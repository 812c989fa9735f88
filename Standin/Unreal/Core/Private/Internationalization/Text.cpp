#include "Internationalization/Text.h"

#include "Math/Color.h"
#include "Math/Vector2D.h"

FText FText::FromString(const FString& String)
{
	FText Result;
	Result.Source = String;
	return Result;
}

FText FText::FromString(FString&& String)
{
	FText Result;
	Result.Source = std::move(String);
	return Result;
}

const FText& FText::GetEmpty()
{
	static const FText* Empty = new FText();
	return *Empty;
}

FText FText::AsLocalizable_Advanced(const TCHAR* Namespace, const TCHAR* Key, const TCHAR* Source)
{
	FText Result;
	Result.Source = Source;
	Result.Namespace = Namespace;
	Result.Key = Key;
	return Result;
}

const FLinearColor FLinearColor::White(1.f, 1.f, 1.f, 1.f);
const FLinearColor FLinearColor::Black(0.f, 0.f, 0.f, 1.f);
const FLinearColor FLinearColor::Transparent(0.f, 0.f, 0.f, 0.f);
const FLinearColor FLinearColor::Gray(0.5f, 0.5f, 0.5f, 1.f);
const FVector2D FVector2D::ZeroVector(0.f, 0.f);
const FVector2D FVector2D::UnitVector(1.f, 1.f);

FColor FLinearColor::ToFColor(bool) const
{
	auto To8 = [](float V) { return static_cast<uint8>(V <= 0.f ? 0 : V >= 1.f ? 255 : static_cast<int>(V * 255.f + 0.5f)); };
	return FColor(To8(R), To8(G), To8(B), To8(A));
}

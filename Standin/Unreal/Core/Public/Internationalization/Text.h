// FText: display text. The stand-in keeps the source string (no cultures); a localised text also
// remembers its namespace and key.
#pragma once

#include "Containers/UnrealString.h"
#include "UObject/NameTypes.h"

class FText
{
public:
	FText() = default;

	static FText FromString(const FString& String);
	static FText FromString(FString&& String);
	static FText FromName(const FName& Name) { return FromString(Name.ToString()); }
	static FText AsNumber(int64 Value) { return FromString(FString::Printf(TEXT("%lld"), Value)); }
	static const FText& GetEmpty();
	static FText AsLocalizable_Advanced(const TCHAR* Namespace, const TCHAR* Key, const TCHAR* Source);

	const FString& ToString() const { return Source; }
	bool IsEmpty() const { return Source.IsEmpty(); }
	bool EqualTo(const FText& Other) const { return Source.Equals(Other.Source); }
	bool IdenticalTo(const FText& Other) const { return EqualTo(Other) && Namespace.Equals(Other.Namespace) && Key.Equals(Other.Key); }
	bool IsLocalized() const { return !Key.IsEmpty(); }
	const FString& GetNamespace() const { return Namespace; }
	const FString& GetKey() const { return Key; }

private:
	FString Source;
	FString Namespace;
	FString Key;
};

#define LOCTEXT(InKey, InTextLiteral) FText::AsLocalizable_Advanced(TEXT(LOCTEXT_NAMESPACE), TEXT(InKey), TEXT(InTextLiteral))
#define NSLOCTEXT(InNamespace, InKey, InTextLiteral) FText::AsLocalizable_Advanced(TEXT(InNamespace), TEXT(InKey), TEXT(InTextLiteral))

// The details panel of the headless editor: properties set from text.
#include <charconv>

#include "ObjectRegistry.h"
#include "PackageFile.h"
#include "Standin/Packages.h"
#include "UObject/SoftObjectPath.h"

namespace Standin::Packages
{
namespace
{
std::string Trim(const std::string& Text)
{
	const auto First = Text.find_first_not_of(" \t");
	const auto Last = Text.find_last_not_of(" \t");
	return First == std::string::npos ? std::string() : Text.substr(First, Last - First + 1);
}

bool ParseInteger(const std::string& Text, int64& OutValue)
{
	const std::string Digits = Trim(Text);
	const char* Begin = Digits.data() + (Digits.starts_with('+') ? 1 : 0);
	const char* End = Digits.data() + Digits.size();
	const auto [Stop, Error] = std::from_chars(Begin, End, OutValue);
	return !Digits.empty() && Error == std::errc() && Stop == End;
}

// The property's value as the package file would hold it.
bool ParseValue(const FPropertyDesc& Property, const std::string& Text, FPackageJson& OutValue, std::string& OutError)
{
	switch (Property.Kind)
	{
	case EPropertyKind::Int:
	{
		int64 Number = 0;
		if (!ParseInteger(Text, Number))
		{
			OutError = "'" + Text + "' is not an integer";
			return false;
		}
		OutValue = Number;
		return true;
	}
	case EPropertyKind::Float:
	{
		double Number = 0;
		const std::string Digits = Trim(Text);
		const auto [Stop, Error] = std::from_chars(Digits.data(), Digits.data() + Digits.size(), Number);
		if (Digits.empty() || Error != std::errc() || Stop != Digits.data() + Digits.size())
		{
			OutError = "'" + Text + "' is not a number";
			return false;
		}
		OutValue = Number;
		return true;
	}
	case EPropertyKind::Bool:
	{
		const FString Word = FromUtf8(Trim(Text));
		if (!Word.Equals(TEXT("true"), ESearchCase::IgnoreCase) && !Word.Equals(TEXT("false"), ESearchCase::IgnoreCase))
		{
			OutError = "'" + Text + "' is not true or false";
			return false;
		}
		OutValue = Word.Equals(TEXT("true"), ESearchCase::IgnoreCase);
		return true;
	}
	case EPropertyKind::IntList:
	{
		OutValue = FPackageJson::array();
		if (Trim(Text).empty())
		{
			return true;
		}
		std::size_t Start = 0;
		while (Start <= Text.size())
		{
			const std::size_t Comma = std::min(Text.find(',', Start), Text.size());
			int64 Number = 0;
			if (!ParseInteger(Text.substr(Start, Comma - Start), Number))
			{
				OutError = "'" + Text + "' is not a comma-separated list of integers";
				return false;
			}
			OutValue.push_back(Number);
			Start = Comma + 1;
		}
		return true;
	}
	default:
		OutValue = Text;
		return true;
	}
}

struct FAssignment
{
	const FPropertyDesc* Property;
	FPackageJson NewValue;
	FPackageJson OldValue;
};
} // namespace

bool EditObject(const FString& ObjectPath, const std::vector<std::pair<std::string, std::string>>& Assignments, std::string& OutError)
{
	std::lock_guard Lock(FObjectRegistry::Get().GetMutex());
	const std::string Prefix = ToUtf8(ObjectPath) + ": ";
	UObject* Object = FSoftObjectPath(ObjectPath).TryLoad();
	if (Object == nullptr)
	{
		OutError = Prefix + "no such object";
		return false;
	}

	std::vector<FAssignment> Planned;
	for (const auto& [Name, Text] : Assignments)
	{
		const FPropertyDesc* Property = FindProperty(Object->GetClass(), FromUtf8(Name));
		if (Property == nullptr)
		{
			OutError = Prefix + ToUtf8(Object->GetClass()->GetName()) + " has no property '" + Name + "'";
			return false;
		}
		FAssignment& Assignment = Planned.emplace_back(FAssignment{Property, {}, Property->Get(Object)});
		if (std::string Error; !ParseValue(*Property, Text, Assignment.NewValue, Error))
		{
			OutError = Prefix + Name + ": " + Error;
			return false;
		}
	}

	const FPropertyContext Context{GetPackageFilename(Object->GetOutermost()->GetName())};
	for (std::size_t Index = 0; Index < Planned.size(); ++Index)
	{
		const FAssignment& Assignment = Planned[Index];
		if (std::string Error; !Assignment.Property->Set(*Assignment.Property, Object, Assignment.NewValue, Context, Error))
		{
			// Put back what was already set, so that a failed edit changes nothing.
			for (std::size_t Undo = Index; Undo-- > 0;)
			{
				std::string Ignored;
				Planned[Undo].Property->Set(*Planned[Undo].Property, Object, Planned[Undo].OldValue, Context, Ignored);
			}
			OutError = Prefix + ToUtf8(Assignment.Property->Name) + ": " + Error;
			return false;
		}
	}
	Object->MarkPackageDirty();
	return true;
}
} // namespace Standin::Packages

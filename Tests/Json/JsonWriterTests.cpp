// The writers must reproduce the engine's output exactly: files such as metadata.json are read by
// other programs and compared byte for byte.
#include <gtest/gtest.h>

#include "Dom/JsonObject.h"
#include "Policies/CondensedJsonPrintPolicy.h"
#include "Policies/PrettyJsonPrintPolicy.h"
#include "Serialization/JsonSerializer.h"
#include "Serialization/JsonWriter.h"
#include "Standin/StringUtf8.h"

namespace
{
FString Pretty(const TSharedRef<FJsonObject>& Object)
{
	FString Output(TEXT("left over"));
	const auto Writer = TJsonWriterFactory<TCHAR, TPrettyJsonPrintPolicy<TCHAR>>::Create(&Output);
	EXPECT_TRUE(FJsonSerializer::Serialize(Object, Writer));
	return Output;
}

FString Condensed(const TSharedRef<FJsonObject>& Object)
{
	FString Output;
	const auto Writer = TJsonWriterFactory<TCHAR, TCondensedJsonPrintPolicy<TCHAR>>::Create(&Output);
	EXPECT_TRUE(FJsonSerializer::Serialize(Object, Writer));
	return Output;
}

void ExpectSame(const FString& Actual, const std::u16string& Expected)
{
	EXPECT_EQ(std::u16string(*Actual), Expected) << Standin::ToUtf8(Actual);
}
} // namespace

TEST(JsonWriter, MetadataObjectHasTheEnginesPrettyLayout)
{
	const auto Metadata = MakeShared<FJsonObject>();
	Metadata->SetStringField(TEXT("Id"), TEXT("QRN_Arena"));
	Metadata->SetNumberField(TEXT("Version"), -3);
	Metadata->SetStringField(TEXT("MapLabel"), TEXT("Arena \"Night\" C:\\Maps \u00e9\u03a9"));
	Metadata->SetBoolField(TEXT("IsCustomGameMode"), true);
	Metadata->SetStringField(TEXT("CustomGameModeLabel"), TEXT(""));
	Metadata->SetNumberField(TEXT("AndroidPakSize"), 100000001);
	Metadata->SetNumberField(TEXT("WindowsPakSize"), 0);
	Metadata->SetNumberField(TEXT("LinuxServerPakSize"), -2147483648.0);
	Metadata->SetBoolField(TEXT("QuarnLinuxServerPakSize"), false);

	ExpectSame(Pretty(Metadata), u"{\r\n"
								 u"\t\"Id\": \"QRN_Arena\",\r\n"
								 u"\t\"Version\": -3,\r\n"
								 u"\t\"MapLabel\": \"Arena \\\"Night\\\" C:\\\\Maps \u00e9\u03a9\",\r\n"
								 u"\t\"IsCustomGameMode\": true,\r\n"
								 u"\t\"CustomGameModeLabel\": \"\",\r\n"
								 u"\t\"AndroidPakSize\": 100000001,\r\n"
								 u"\t\"WindowsPakSize\": 0,\r\n"
								 u"\t\"LinuxServerPakSize\": -2147483648,\r\n"
								 u"\t\"QuarnLinuxServerPakSize\": false\r\n"
								 u"}");
}

TEST(JsonWriter, StringsEscapeOnlyTheEnginesSevenCharacters)
{
	const auto Object = MakeShared<FJsonObject>();
	Object->SetStringField(TEXT("k\"ey"), TEXT("a\\b\nc\td\be\ff\rg\"h/i\u0001j<\u00ff>"));
	ExpectSame(Condensed(Object), u"{\"k\\\"ey\":\"a\\\\b\\nc\\td\\be\\ff\\rg\\\"h/i\u0001j<\u00ff>\"}");
}

TEST(JsonWriter, NumbersUseSeventeenSignificantDigits)
{
	const auto Object = MakeShared<FJsonObject>();
	Object->SetNumberField(TEXT("a"), 42);
	Object->SetNumberField(TEXT("b"), 3000000000.0);
	Object->SetNumberField(TEXT("c"), 9007199254740993.0);
	Object->SetNumberField(TEXT("d"), 0.1);
	Object->SetNumberField(TEXT("e"), 1e21);
	Object->SetNumberField(TEXT("f"), -0.5);
	ExpectSame(Condensed(Object), u"{\"a\":42,\"b\":3000000000,\"c\":9007199254740992,\"d\":0.10000000000000001,\"e\":1e+21,\"f\":-0.5}");
}

TEST(JsonWriter, FieldsKeepInsertionOrderAndNamesIgnoreCase)
{
	const auto Object = MakeShared<FJsonObject>();
	Object->SetNumberField(TEXT("Zeta"), 1);
	Object->SetNumberField(TEXT("alpha"), 2);
	Object->SetNumberField(TEXT("ZETA"), 3);
	EXPECT_EQ(Object->Values.Num(), 2);
	EXPECT_EQ(Object->GetNumberField(TEXT("zeta")), 3);
	ExpectSame(Condensed(Object), u"{\"ZETA\":3,\"alpha\":2}");
}

TEST(JsonWriter, NestedObjectsAndArraysFollowTheEngineLayout)
{
	const auto Module = MakeShared<FJsonObject>();
	Module->SetStringField(TEXT("Name"), TEXT("Levelwright"));
	Module->SetStringField(TEXT("Type"), TEXT("Editor"));
	const auto Plugin = MakeShared<FJsonObject>();
	Plugin->SetNumberField(TEXT("FileVersion"), 3);
	Plugin->SetArrayField(TEXT("Modules"), {MakeShared<FJsonValueObject>(Module)});
	Plugin->SetArrayField(TEXT("Platforms"), {MakeShared<FJsonValueString>(TEXT("Win64")), MakeShared<FJsonValueString>(TEXT("Linux"))});
	Plugin->SetArrayField(TEXT("Sizes"), {MakeShared<FJsonValueNumber>(1), MakeShared<FJsonValueBoolean>(true), MakeShared<FJsonValueNull>()});
	Plugin->SetArrayField(TEXT("Empty"), {});
	Plugin->SetObjectField(TEXT("Inner"), Module);

	ExpectSame(Pretty(Plugin), u"{\r\n"
							   u"\t\"FileVersion\": 3,\r\n"
							   u"\t\"Modules\": [\r\n"
							   u"\t\t{\r\n"
							   u"\t\t\t\"Name\": \"Levelwright\",\r\n"
							   u"\t\t\t\"Type\": \"Editor\"\r\n"
							   u"\t\t}\r\n"
							   u"\t],\r\n"
							   u"\t\"Platforms\": [\r\n"
							   u"\t\t\"Win64\",\r\n"
							   u"\t\t\"Linux\"\r\n"
							   u"\t],\r\n"
							   u"\t\"Sizes\": [ 1, true, null ],\r\n"
							   u"\t\"Empty\": [],\r\n"
							   u"\t\"Inner\":\r\n"
							   u"\t{\r\n"
							   u"\t\t\"Name\": \"Levelwright\",\r\n"
							   u"\t\t\"Type\": \"Editor\"\r\n"
							   u"\t}\r\n"
							   u"}");
	ExpectSame(Condensed(Plugin), u"{\"FileVersion\":3,\"Modules\":[{\"Name\":\"Levelwright\",\"Type\":\"Editor\"}],"
								  u"\"Platforms\":[\"Win64\",\"Linux\"],\"Sizes\":[1,true,null],\"Empty\":[],"
								  u"\"Inner\":{\"Name\":\"Levelwright\",\"Type\":\"Editor\"}}");
}

TEST(JsonWriter, StringIsFilledOnlyWhenTheWriterCloses)
{
	FString Output(TEXT("before"));
	const auto Writer = TJsonWriterFactory<>::Create(&Output);
	Writer->WriteObjectStart();
	Writer->WriteValue(TEXT("Count"), 2);
	Writer->WriteValue(TEXT("Name"), TEXT("x"));
	EXPECT_TRUE(Output.Equals(TEXT("before")));
	EXPECT_FALSE(Writer->Close()) << "an open object is not balanced";
	ExpectSame(Output, u"{\r\n\t\"Count\": 2,\r\n\t\"Name\": \"x\"");

	FString Empty;
	EXPECT_TRUE(FJsonSerializer::Serialize(MakeShared<FJsonObject>(), TJsonWriterFactory<>::Create(&Empty)));
	ExpectSame(Empty, u"{\r\n}");

	FString Indented;
	const auto Object = MakeShared<FJsonObject>();
	Object->SetBoolField(TEXT("b"), false);
	EXPECT_TRUE(FJsonSerializer::Serialize(Object, TJsonWriterFactory<>::Create(&Indented, 1)));
	ExpectSame(Indented, u"{\r\n\t\t\"b\": false\r\n\t}");
}

#include <gtest/gtest.h>

#include "Dom/JsonObject.h"
#include "Serialization/JsonReader.h"
#include "Serialization/JsonSerializer.h"
#include "Standin/StringUtf8.h"

namespace
{
TSharedPtr<FJsonObject> ParseObject(const FString& Text, FString* OutError = nullptr)
{
	const auto Reader = TJsonReaderFactory<>::Create(Text);
	TSharedPtr<FJsonObject> Object;
	const bool bParsed = FJsonSerializer::Deserialize(Reader, Object);
	if (OutError)
	{
		*OutError = Reader->GetErrorMessage();
	}
	return bParsed ? Object : nullptr;
}
} // namespace

TEST(JsonReader, ReadsWhatTheWriterWrote)
{
	const auto Original = MakeShared<FJsonObject>();
	Original->SetStringField(TEXT("Text"), TEXT("tab\there \"quoted\" \\ \u00e9"));
	Original->SetNumberField(TEXT("Big"), 9007199254740992.0);
	Original->SetBoolField(TEXT("Flag"), true);
	Original->SetArrayField(TEXT("List"), {MakeShared<FJsonValueNumber>(-1.25), MakeShared<FJsonValueString>(TEXT("x"))});
	FString Text;
	ASSERT_TRUE(FJsonSerializer::Serialize(Original, TJsonWriterFactory<>::Create(&Text)));

	const TSharedPtr<FJsonObject> Read = ParseObject(Text);
	ASSERT_TRUE(Read.IsValid());
	EXPECT_TRUE(Read->GetStringField(TEXT("text")).Equals(TEXT("tab\there \"quoted\" \\ \u00e9")));
	int64 Big = 0;
	EXPECT_TRUE(Read->TryGetNumberField(TEXT("Big"), Big));
	EXPECT_EQ(Big, 9007199254740992LL);
	EXPECT_TRUE(Read->GetBoolField(TEXT("Flag")));
	const TArray<TSharedPtr<FJsonValue>>& List = Read->GetArrayField(TEXT("List"));
	ASSERT_EQ(List.Num(), 2);
	EXPECT_EQ(List[0]->AsNumber(), -1.25);
	EXPECT_TRUE(List[1]->AsString().Equals(TEXT("x")));
}

TEST(JsonReader, RefusesMalformedText)
{
	for (const TCHAR* Text : {TEXT(""), TEXT("{"), TEXT("{\"a\" 1}"), TEXT("{\"a\": tru}"), TEXT("{\"a\": 1,}"), TEXT("{} extra"),
							  TEXT("{\"a\": \"\\q\"}"), TEXT("[1, 2]")})
	{
		FString Error;
		EXPECT_FALSE(ParseObject(Text, &Error).IsValid()) << Standin::ToUtf8(Text);
	}
	FString Error;
	ParseObject(TEXT("{\"a\": @}"), &Error);
	EXPECT_TRUE(Error.Contains(TEXT("invalid value"))) << Standin::ToUtf8(Error);
}

TEST(JsonValue, TypedAccessAndConversions)
{
	const auto Object = MakeShared<FJsonObject>();
	Object->SetStringField(TEXT("Number"), TEXT("12"));
	Object->SetNumberField(TEXT("Real"), 2.6);
	EXPECT_TRUE(Object->HasTypedField<EJson::String>(TEXT("number")));
	EXPECT_FALSE(Object->HasTypedField<EJson::Number>(TEXT("Number")));
	EXPECT_EQ(Object->GetIntegerField(TEXT("Number")), 12) << "numeric strings read as numbers, as in the engine";
	EXPECT_EQ(Object->GetIntegerField(TEXT("Real")), 3);
	FString Missing;
	EXPECT_FALSE(Object->TryGetStringField(TEXT("Nope"), Missing));
	Object->RemoveField(TEXT("REAL"));
	EXPECT_FALSE(Object->HasField(TEXT("Real")));
	EXPECT_FALSE(Object->GetObjectField(TEXT("Number")).IsValid());
}

// Delegates (raw, shared-pointer and lambda bindings; unbinding; execution) and TAttribute, which
// asks its getter afresh on every Get.
#include "CoreTestSupport.h"
#include "CoreMinimal.h"

DECLARE_DELEGATE_OneParam(FOnCount, int32);
DECLARE_DELEGATE_RetVal_OneParam(FString, FDescribe, int32);

namespace
{
class FCounter : public TSharedFromThis<FCounter>
{
public:
	void Add(int32 Amount) { Total += Amount; }
	FString Describe(int32 Id) const { return FString::Printf(TEXT("item %d of %d"), Id, Total); }
	int32 GetTotal() const { return Total; }
	FOnCount MakeSelfBound() { return FOnCount::CreateSP(this, &FCounter::Add); }

	int32 Total = 0;
};
} // namespace

TEST(Delegates, SharedPointerBindingExpiresWithItsObject)
{
	TSharedPtr<FCounter> Counter = MakeShared<FCounter>();
	FOnCount Delegate;
	EXPECT_FALSE(Delegate.IsBound());
	Delegate.BindSP(Counter.ToSharedRef(), &FCounter::Add);
	EXPECT_TRUE(Delegate.IsBound());
	EXPECT_TRUE(Delegate.ExecuteIfBound(5));
	Delegate.Execute(2);
	EXPECT_EQ(Counter->Total, 7);

	const FOnCount Copy = Delegate;
	const FOnCount SelfBound = Counter->MakeSelfBound();
	EXPECT_TRUE(SelfBound.ExecuteIfBound(1));
	EXPECT_EQ(Counter->Total, 8);

	const TWeakPtr<FCounter> Weak = Counter;
	Counter.Reset();
	ASSERT_FALSE(Weak.IsValid());
	EXPECT_FALSE(Delegate.IsBound());
	EXPECT_FALSE(Copy.IsBound()) << "copies expire too";
	EXPECT_FALSE(SelfBound.IsBound());
	EXPECT_FALSE(Delegate.ExecuteIfBound(1)) << "and are not called";
	EXPECT_FALSE(SelfBound.ExecuteIfBound(1));
}

TEST(Delegates, RawLambdaAndUnbind)
{
	FCounter Counter;
	FOnCount Raw;
	Raw.BindRaw(&Counter, &FCounter::Add);
	EXPECT_TRUE(Raw.ExecuteIfBound(3));
	EXPECT_EQ(Counter.Total, 3);
	Raw.Unbind();
	EXPECT_FALSE(Raw.IsBound());
	EXPECT_FALSE(Raw.ExecuteIfBound(3));
	EXPECT_EQ(Counter.Total, 3);

	int32 Seen = 0;
	FOnCount Lambda;
	Lambda.BindLambda([&Seen](int32 Value) { Seen = Value; });
	EXPECT_TRUE(Lambda.ExecuteIfBound(11));
	EXPECT_EQ(Seen, 11);

	const FDescribe Describe = FDescribe::CreateRaw(&Counter, &FCounter::Describe);
	EXPECT_EQ(CoreTest::Utf8(Describe.Execute(4)), "item 4 of 3");
	FSimpleDelegate Simple = FSimpleDelegate::CreateLambda([&Seen] { ++Seen; });
	Simple.Execute();
	EXPECT_EQ(Seen, 12);
}

TEST(DelegatesDeathTest, ExecutingAnUnboundDelegateIsFatal)
{
	FDescribe Unbound;
	EXPECT_DEATH(Unbound.Execute(1), "unbound delegate");
}

TEST(Attributes, GetReadsTheGetterEveryTime)
{
	int32 Calls = 0;
	TAttribute<int32> Counting = TAttribute<int32>::Create(TAttribute<int32>::FGetter::CreateLambda([&Calls] { return ++Calls * 10; }));
	EXPECT_TRUE(Counting.IsSet());
	EXPECT_TRUE(Counting.IsBound());
	EXPECT_EQ(Counting.Get(), 10);
	EXPECT_EQ(Counting.Get(), 20);
	EXPECT_EQ(Counting.Get(), 30);
	EXPECT_EQ(Calls, 3);

	TSharedRef<FCounter> Counter = MakeShared<FCounter>();
	const TAttribute<int32> Total(Counter, &FCounter::GetTotal);
	EXPECT_EQ(Total.Get(), 0);
	Counter->Add(5);
	EXPECT_EQ(Total.Get(), 5) << "a bound attribute follows its source";

	FCounter Plain;
	TAttribute<int32> RawBound;
	RawBound.BindRaw(&Plain, &FCounter::GetTotal);
	Plain.Add(9);
	EXPECT_EQ(RawBound.Get(), 9);
	RawBound.Set(1);
	Plain.Add(1);
	EXPECT_EQ(RawBound.Get(), 1) << "Set replaces the getter";
	EXPECT_FALSE(RawBound.IsBound());
}

TEST(Attributes, FixedValuesAndUnsetAttributes)
{
	const TAttribute<FText> Label(FText::FromString(TEXT("Publish")));
	EXPECT_TRUE(Label.IsSet());
	EXPECT_FALSE(Label.IsBound());
	EXPECT_EQ(CoreTest::Utf8(Label.Get().ToString()), "Publish");

	const TAttribute<int32> Unset;
	EXPECT_FALSE(Unset.IsSet());
	EXPECT_EQ(Unset.Get(7), 7);
	const TAttribute<int32> Fixed(3);
	EXPECT_EQ(Fixed.Get(7), 3);

	// A getter whose object is gone is no longer asked; the last value read stays.
	TSharedPtr<FCounter> Counter = MakeShared<FCounter>();
	Counter->Add(4);
	const TAttribute<int32> Expiring(Counter.ToSharedRef(), &FCounter::GetTotal);
	EXPECT_EQ(Expiring.Get(), 4);
	Counter.Reset();
	EXPECT_FALSE(Expiring.IsBound());
	EXPECT_EQ(Expiring.Get(), 4);
}

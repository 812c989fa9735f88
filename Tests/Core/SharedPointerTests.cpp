// The engine's shared pointers in both modes, on one thread: reference counts and lifetimes, weak
// pointers that expire, TSharedFromThis, MakeShared with arguments, casts that keep the mode, the
// modes kept apart, and the fatal checks that keep a TSharedRef from ever being null.
#include <memory>
#include <string>
#include <type_traits>

#include <gtest/gtest.h>

#include "CoreTestSupport.h"
#include "Templates/SharedPointer.h"

namespace
{
struct FLifetime
{
	int32 Constructed = 0;
	int32 Destroyed = 0;
};

class FTracked : public TSharedFromThis<FTracked>
{
public:
	FTracked(FLifetime& InLifetime, int32 InValue) : Lifetime(InLifetime), Value(InValue) { ++Lifetime.Constructed; }
	~FTracked() { ++Lifetime.Destroyed; }

	FLifetime& Lifetime;
	int32 Value;
};

// The same in each mode, so that the tests below run on both kinds of pointer.
template <ESPMode Mode>
class TModeTracked : public TSharedFromThis<TModeTracked<Mode>, Mode>
{
public:
	TModeTracked(FLifetime& InLifetime, int32 InValue) : Lifetime(InLifetime), Value(InValue) { ++Lifetime.Constructed; }
	~TModeTracked() { ++Lifetime.Destroyed; }

	TSharedRef<TModeTracked, Mode> Self() { return this->SharedThis(this); }
	TSharedRef<const TModeTracked, Mode> Self() const { return this->SharedThis(this); }

	FLifetime& Lifetime;
	int32 Value;
};

// A base without a virtual destructor: a pointer made from a derived object must still destroy it
// as what it was made as.
struct FPlainBase
{
	int32 Tag = 1;
};

template <ESPMode Mode>
struct TPlainDerived : FPlainBase
{
	explicit TPlainDerived(FLifetime& InLifetime) : Lifetime(InLifetime) { ++Lifetime.Constructed; }
	~TPlainDerived() { ++Lifetime.Destroyed; }

	FLifetime& Lifetime;
};

// Counts copies and moves of itself, to show MakeShared forwards its arguments.
struct FCopyCounter
{
	FCopyCounter() = default;
	FCopyCounter(const FCopyCounter& Other) : Copies(Other.Copies + 1), Moves(Other.Moves) {}
	FCopyCounter(FCopyCounter&& Other) : Copies(Other.Copies), Moves(Other.Moves + 1) {}

	int32 Copies = 0;
	int32 Moves = 0;
};

struct FMadeFromArguments
{
	FMadeFromArguments(std::unique_ptr<int32> InOwned, const FCopyCounter& InCopied, FCopyCounter&& InMoved, std::string InName)
		: Owned(std::move(InOwned)), Copied(InCopied), Moved(std::move(InMoved)), Name(std::move(InName))
	{
	}

	std::unique_ptr<int32> Owned;
	FCopyCounter Copied;
	FCopyCounter Moved;
	std::string Name;
};

template <ESPMode InMode>
struct TMode
{
	static constexpr ESPMode Mode = InMode;
};

using FSafeIntRef = TSharedRef<int32, ESPMode::ThreadSafe>;
using FSafeBasePtr = TSharedPtr<FPlainBase, ESPMode::ThreadSafe>;
using FSafeTrackedRef = TSharedRef<FTracked, ESPMode::ThreadSafe>;

FSafeTrackedRef MakeSafeTracked(FLifetime& Lifetime)
{
	return MakeShared<FTracked, ESPMode::ThreadSafe>(Lifetime, 3);
}

struct FModeName
{
	template <typename ModeType>
	static std::string GetName(int)
	{
		return ModeType::Mode == ESPMode::ThreadSafe ? "ThreadSafe" : "Fast";
	}
};
} // namespace

template <typename ModeType>
class SharedPointerModes : public testing::Test
{
protected:
	static constexpr ESPMode Mode = ModeType::Mode;
	using FObject = TModeTracked<Mode>;

	FLifetime Lifetime;
};
using FBothModes = testing::Types<TMode<ESPMode::Fast>, TMode<ESPMode::ThreadSafe>>;
TYPED_TEST_SUITE(SharedPointerModes, FBothModes, FModeName);

TYPED_TEST(SharedPointerModes, CountsFollowCopiesMovesAndResets)
{
	constexpr ESPMode Mode = TestFixture::Mode;
	using FObject = typename TestFixture::FObject;
	{
		TSharedRef<FObject, Mode> Ref = MakeShared<FObject, Mode>(this->Lifetime, 3);
		EXPECT_EQ(Ref.GetSharedReferenceCount(), 1);
		EXPECT_TRUE(Ref.IsUnique());

		TSharedPtr<FObject, Mode> Ptr = Ref;
		TSharedPtr<FObject, Mode> Copy = Ptr;
		EXPECT_EQ(Ref.GetSharedReferenceCount(), 3);
		EXPECT_FALSE(Ref.IsUnique());
		EXPECT_EQ(Copy.Get(), &Ref.Get());

		const TSharedPtr<FObject, Mode> Moved = std::move(Copy);
		EXPECT_FALSE(Copy.IsValid()) << "a moved-from pointer is null";
		EXPECT_EQ(Copy.GetSharedReferenceCount(), 0);
		EXPECT_EQ(Moved.GetSharedReferenceCount(), 3) << "a move takes no reference";

		TSharedRef<FObject, Mode> RefMoved = std::move(Ref);
		EXPECT_EQ(&RefMoved.Get(), &Ref.Get()) << "a TSharedRef is never left null: its move copies";
		EXPECT_EQ(Ref.GetSharedReferenceCount(), 4);

		const TSharedPtr<FObject, Mode>& Itself = Ptr;
		Ptr = Itself;
		EXPECT_EQ(Ref.GetSharedReferenceCount(), 4) << "assigning a pointer to itself changes nothing";
		Ptr.Reset();
		Ptr = nullptr;
		EXPECT_EQ(Ptr.Get(), nullptr);
		EXPECT_EQ(Ref.GetSharedReferenceCount(), 3);
		EXPECT_EQ(this->Lifetime.Destroyed, 0);
	}
	EXPECT_EQ(this->Lifetime.Constructed, 1);
	EXPECT_EQ(this->Lifetime.Destroyed, 1) << "the last reference destroys the object, once";
}

TYPED_TEST(SharedPointerModes, ARawPointerOrMakeShareableIsAdoptedAndDeletedAsItsOwnType)
{
	constexpr ESPMode Mode = TestFixture::Mode;
	TSharedPtr<FPlainBase, Mode> FromRaw(new TPlainDerived<Mode>(this->Lifetime));
	TSharedRef<FPlainBase, Mode> FromProxy = MakeShareable(new TPlainDerived<Mode>(this->Lifetime));
	TSharedPtr<FPlainBase, Mode> ProxyToPtr = MakeShareable(new TPlainDerived<Mode>(this->Lifetime));
	EXPECT_EQ(FromRaw->Tag, 1);
	EXPECT_EQ(FromProxy.GetSharedReferenceCount(), 1);
	EXPECT_EQ(ProxyToPtr.GetSharedReferenceCount(), 1);

	FromProxy = MakeShareable(new TPlainDerived<Mode>(this->Lifetime));
	EXPECT_EQ(this->Lifetime.Destroyed, 1) << "the replaced object dies";
	FromRaw.Reset();
	ProxyToPtr = nullptr;
	EXPECT_EQ(this->Lifetime.Destroyed, 3) << "each through the derived destructor, though the base has no virtual one";

	const TSharedPtr<FPlainBase, Mode> Null(static_cast<FPlainBase*>(nullptr));
	EXPECT_FALSE(Null.IsValid());
	EXPECT_EQ(Null.GetSharedReferenceCount(), 0);
	const TSharedPtr<FPlainBase, Mode> NullProxy = MakeShareable<FPlainBase>(nullptr);
	EXPECT_FALSE(NullProxy.IsValid());
}

TYPED_TEST(SharedPointerModes, WeakPointersExpireWithTheirObject)
{
	constexpr ESPMode Mode = TestFixture::Mode;
	using FObject = typename TestFixture::FObject;
	TSharedPtr<FObject, Mode> Owner = MakeShared<FObject, Mode>(this->Lifetime, 8);
	const TWeakPtr<FObject, Mode> Weak = Owner;
	TWeakPtr<const FObject, Mode> ConstWeak = Weak;
	EXPECT_TRUE(Weak.IsValid());
	EXPECT_EQ(Owner.GetSharedReferenceCount(), 1) << "weak pointers hold no shared reference";
	{
		const TSharedPtr<FObject, Mode> Pinned = Weak.Pin();
		ASSERT_TRUE(Pinned.IsValid());
		EXPECT_EQ(Pinned->Value, 8);
		EXPECT_EQ(Owner.GetSharedReferenceCount(), 2);
		EXPECT_TRUE(Weak.HasSameObject(Owner.Get()));
		EXPECT_TRUE(ConstWeak == Weak);
	}

	Owner.Reset();
	EXPECT_EQ(this->Lifetime.Destroyed, 1) << "the object dies with its last shared reference";
	EXPECT_FALSE(Weak.IsValid());
	EXPECT_FALSE(ConstWeak.IsValid());
	EXPECT_FALSE(Weak.Pin().IsValid());
	EXPECT_EQ(Weak.Pin().GetSharedReferenceCount(), 0);
	const TWeakPtr<const FObject, Mode> ConvertedExpired = Weak;
	EXPECT_FALSE(ConvertedExpired.IsValid()) << "a converted expired pointer stays expired";

	TWeakPtr<FObject, Mode> Cleared = Weak;
	Cleared.Reset();
	EXPECT_FALSE(Cleared.IsValid());
	ConstWeak = nullptr;
	EXPECT_FALSE(Cleared.Pin().IsValid());
}

TYPED_TEST(SharedPointerModes, SharedThisGivesTheOwnersReference)
{
	constexpr ESPMode Mode = TestFixture::Mode;
	using FObject = typename TestFixture::FObject;
	const TSharedRef<FObject, Mode> Owner = MakeShared<FObject, Mode>(this->Lifetime, 2);
	{
		const TSharedRef<FObject, Mode> Self = Owner->Self();
		const TSharedRef<FObject, Mode> AsShared = Owner->AsShared();
		const TSharedRef<const FObject, Mode> ConstSelf = static_cast<const FObject&>(Owner.Get()).Self();
		EXPECT_TRUE(Self == Owner);
		EXPECT_TRUE(AsShared == Owner);
		EXPECT_EQ(&ConstSelf.Get(), &Owner.Get());
		EXPECT_EQ(Owner.GetSharedReferenceCount(), 4) << "each is one more reference to the same count";
	}
	EXPECT_TRUE(Owner.IsUnique());

	// An object adopted from a raw pointer is primed the same way.
	const TSharedPtr<FObject, Mode> Adopted(new FObject(this->Lifetime, 5));
	EXPECT_TRUE(Adopted->AsShared() == Adopted);
	const TSharedRef<FObject, Mode> Proxied = MakeShareable(new FObject(this->Lifetime, 6));
	EXPECT_EQ(Proxied->Self()->Value, 6);
}

TYPED_TEST(SharedPointerModes, MakeSharedForwardsItsArguments)
{
	constexpr ESPMode Mode = TestFixture::Mode;
	const FCopyCounter Original;
	FCopyCounter Movable;
	const TSharedRef<FMadeFromArguments, Mode> Made =
		MakeShared<FMadeFromArguments, Mode>(std::make_unique<int32>(42), Original, std::move(Movable), "Arena");
	ASSERT_NE(Made->Owned, nullptr);
	EXPECT_EQ(*Made->Owned, 42) << "a move-only argument arrives";
	EXPECT_EQ(Made->Copied.Copies, 1) << "an lvalue is copied once, by the constructor";
	EXPECT_EQ(Made->Moved.Copies, 0) << "an rvalue is never copied";
	EXPECT_EQ(Made->Moved.Moves, 1);
	EXPECT_EQ(Made->Name, "Arena");
}

TYPED_TEST(SharedPointerModes, CastsShareTheCountAndKeepTheMode)
{
	constexpr ESPMode Mode = TestFixture::Mode;
	using FDerived = TPlainDerived<Mode>;
	const TSharedRef<FPlainBase, Mode> Base = MakeShared<FDerived, Mode>(this->Lifetime);

	const auto Derived = StaticCastSharedRef<FDerived>(Base);
	static_assert(std::is_same_v<std::remove_const_t<decltype(Derived)>, TSharedRef<FDerived, Mode>>);
	EXPECT_EQ(static_cast<FPlainBase*>(&Derived.Get()), &Base.Get());
	EXPECT_EQ(Base.GetSharedReferenceCount(), 2);

	const TSharedPtr<FPlainBase, Mode> BasePtr = Base;
	const auto DerivedPtr = StaticCastSharedPtr<FDerived>(BasePtr);
	static_assert(std::is_same_v<std::remove_const_t<decltype(DerivedPtr)>, TSharedPtr<FDerived, Mode>>);
	EXPECT_EQ(DerivedPtr.Get(), &Derived.Get());
	EXPECT_EQ(Base.GetSharedReferenceCount(), 4);
	EXPECT_FALSE(StaticCastSharedPtr<FDerived>(TSharedPtr<FPlainBase, Mode>()).IsValid());

	const TSharedRef<const FDerived, Mode> Const = Derived;
	const auto Mutable = ConstCastSharedRef<FDerived>(Const);
	static_assert(std::is_same_v<std::remove_const_t<decltype(Mutable)>, TSharedRef<FDerived, Mode>>);
	Mutable->Tag = 9;
	EXPECT_EQ(Base->Tag, 9);
	EXPECT_EQ(Base.GetSharedReferenceCount(), 6);
	EXPECT_EQ(this->Lifetime.Destroyed, 0);
}

TYPED_TEST(SharedPointerModes, PointersCompareByTheirObject)
{
	constexpr ESPMode Mode = TestFixture::Mode;
	using FObject = typename TestFixture::FObject;
	const TSharedRef<FObject, Mode> First = MakeShared<FObject, Mode>(this->Lifetime, 1);
	const TSharedRef<FObject, Mode> Second = MakeShared<FObject, Mode>(this->Lifetime, 1);
	const TSharedPtr<FObject, Mode> FirstPtr = First;
	const TSharedPtr<FObject, Mode> Null;
	const TWeakPtr<FObject, Mode> FirstWeak = First;

	const TSharedRef<FObject, Mode> FirstCopy = First;
	EXPECT_TRUE(First == FirstCopy);
	EXPECT_TRUE(First != Second) << "equal values, different objects";
	EXPECT_TRUE(First == FirstPtr);
	EXPECT_TRUE(FirstPtr == First);
	EXPECT_TRUE(Second != FirstPtr);
	EXPECT_TRUE(First != Null);
	EXPECT_TRUE(Null == nullptr);
	EXPECT_TRUE(FirstPtr != nullptr);
	const TWeakPtr<FObject, Mode> FirstWeakAgain = FirstPtr;
	const TWeakPtr<FObject, Mode> SecondWeak = Second;
	EXPECT_TRUE(FirstWeak == FirstWeakAgain);
	EXPECT_TRUE(FirstWeak != SecondWeak);
	EXPECT_FALSE(static_cast<bool>(Null));
	EXPECT_TRUE(static_cast<bool>(FirstPtr));
}

TEST(SharedPointerModes, FastIsTheDefaultAndTheModesDoNotMix)
{
	static_assert(static_cast<int>(ESPMode::NotThreadSafe) == 0 && static_cast<int>(ESPMode::ThreadSafe) == 1);
	static_assert(ESPMode::Fast == ESPMode::NotThreadSafe, "as on Win64, Fast pointers are not thread-safe");
	static_assert(std::is_same_v<TSharedPtr<FTracked>, TSharedPtr<FTracked, ESPMode::NotThreadSafe>>);
	static_assert(std::is_same_v<TSharedRef<FTracked>, TSharedRef<FTracked, ESPMode::Fast>>);
	static_assert(std::is_same_v<TWeakPtr<FTracked>, TWeakPtr<FTracked, ESPMode::Fast>>);
	static_assert(std::is_same_v<decltype(MakeShared<int32>(1)), TSharedRef<int32, ESPMode::Fast>>);

	using FSafePtr = TSharedPtr<int32, ESPMode::ThreadSafe>;
	using FSafeRef = TSharedRef<int32, ESPMode::ThreadSafe>;
	using FSafeWeak = TWeakPtr<int32, ESPMode::ThreadSafe>;
	static_assert(!std::is_constructible_v<FSafePtr, const TSharedPtr<int32>&>);
	static_assert(!std::is_constructible_v<FSafePtr, const TSharedRef<int32>&>);
	static_assert(!std::is_constructible_v<TSharedPtr<int32>, const FSafePtr&>);
	static_assert(!std::is_constructible_v<FSafeRef, const TSharedRef<int32>&>);
	static_assert(!std::is_constructible_v<TSharedRef<int32>, const FSafeRef&>);
	static_assert(!std::is_constructible_v<FSafeWeak, const TSharedPtr<int32>&>);
	static_assert(!std::is_constructible_v<TWeakPtr<int32>, const FSafeRef&>);
	static_assert(!std::is_assignable_v<FSafePtr&, const TSharedPtr<int32>&>);
	static_assert(!std::is_assignable_v<TSharedPtr<int32>&, const FSafeRef&>);
	// MakeShareable's proxy is adopted by either.
	static_assert(std::is_constructible_v<FSafeRef, decltype(MakeShareable(new int32(0)))>);
	static_assert(std::is_constructible_v<TSharedRef<int32>, decltype(MakeShareable(new int32(0)))>);
	// Only what converts as a raw pointer does.
	static_assert(!std::is_constructible_v<TSharedPtr<FTracked>, const TSharedPtr<const FTracked>&>);
	static_assert(!std::is_constructible_v<TSharedRef<FTracked>, const TSharedRef<FPlainBase>&>);
}

TEST(SharedPointerChecksDeathTest, ASharedReferenceIsNeverNull)
{
	EXPECT_DEATH(
		{
			CoreTest::SendStdoutToStderr();
			const TSharedRef<int32> Ref(static_cast<int32*>(nullptr));
		},
		"Assertion failed: InObject != nullptr \\[File:.*SharedPointer.h\\] \\[Line: [0-9]+\\]");
	EXPECT_DEATH(
		{
			CoreTest::SendStdoutToStderr();
			const FSafeIntRef Ref = MakeShareable<int32>(nullptr);
		},
		"Assertion failed: InObject != nullptr");
	EXPECT_DEATH(
		{
			CoreTest::SendStdoutToStderr();
			(void)TSharedPtr<int32>().ToSharedRef();
		},
		"Assertion failed: IsValid\\(\\)");
}

TEST(SharedPointerChecksDeathTest, ANullPointerCannotBeFollowed)
{
	EXPECT_DEATH(
		{
			CoreTest::SendStdoutToStderr();
			(void)*TSharedPtr<int32>();
		},
		"Assertion failed: IsValid\\(\\)");
	EXPECT_DEATH(
		{
			CoreTest::SendStdoutToStderr();
			(void)FSafeBasePtr()->Tag;
		},
		"Assertion failed: IsValid\\(\\)");
}

TEST(SharedPointerChecksDeathTest, AsSharedNeedsAnOwner)
{
	FLifetime Lifetime;
	EXPECT_DEATH(
		{
			CoreTest::SendStdoutToStderr();
			FTracked OnTheStack(Lifetime, 1);
			(void)OnTheStack.AsShared();
		},
		"Assertion failed: SharedThis.Get\\(\\) == this");
	// A copy is another object: it has no owner until a pointer takes it.
	const TSharedRef<FTracked> Owned = MakeShared<FTracked>(Lifetime, 2);
	EXPECT_DEATH(
		{
			CoreTest::SendStdoutToStderr();
			const FTracked Copy = Owned.Get();
			(void)Copy.AsShared();
		},
		"Assertion failed: SharedThis.Get\\(\\) == this");
	// An object that shares itself in Fast mode is not primed by a ThreadSafe pointer.
	EXPECT_DEATH(
		{
			CoreTest::SendStdoutToStderr();
			const FSafeTrackedRef OtherMode = MakeSafeTracked(Lifetime);
			(void)OtherMode->AsShared();
		},
		"Assertion failed: SharedThis.Get\\(\\) == this");
}

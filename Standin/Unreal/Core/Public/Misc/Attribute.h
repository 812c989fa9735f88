// A value that is either fixed or read from a getter each time it is asked for (Slate reads widget
// attributes afresh on every layout and paint).
#pragma once

#include <utility>

#include "Delegates/Delegate.h"

template <typename ObjectType>
class TAttribute
{
public:
	typedef TDelegate<ObjectType()> FGetter;

	TAttribute() : Value(), bIsSet(false) {}

	template <typename OtherType, typename = std::enable_if_t<std::is_constructible_v<ObjectType, const OtherType&>>>
	TAttribute(const OtherType& InValue) : Value(InValue), bIsSet(true)
	{
	}

	template <typename SourceType>
	TAttribute(SourceType* Object, typename FGetter::template TSPMethodDelegate_Const<SourceType>::FMethodPtr Method)
		: Value(), bIsSet(true), Getter(FGetter::CreateSP(Object, Method))
	{
	}

	template <typename SourceType, ESPMode Mode>
	TAttribute(const TSharedRef<SourceType, Mode>& Object,
			   typename FGetter::template TSPMethodDelegate_Const<SourceType>::FMethodPtr Method)
		: Value(), bIsSet(true), Getter(FGetter::CreateSP(Object, Method))
	{
	}

	static TAttribute Create(const FGetter& InGetter)
	{
		TAttribute Result;
		Result.Bind(InGetter);
		return Result;
	}

	const ObjectType& Get() const
	{
		if (Getter.IsBound())
		{
			Value = Getter.Execute();
		}
		return Value;
	}

	const ObjectType& Get(const ObjectType& DefaultValue) const { return bIsSet ? Get() : DefaultValue; }

	void Set(const ObjectType& NewValue)
	{
		Getter.Unbind();
		Value = NewValue;
		bIsSet = true;
	}

	bool IsSet() const { return bIsSet; }
	bool IsBound() const { return Getter.IsBound(); }
	const FGetter& GetBinding() const { return Getter; }

	void Bind(const FGetter& InGetter)
	{
		bIsSet = true;
		Getter = InGetter;
	}

	template <typename SourceType>
	void Bind(SourceType* Object, typename FGetter::template TSPMethodDelegate_Const<SourceType>::FMethodPtr Method)
	{
		Bind(FGetter::CreateSP(Object, Method));
	}

	template <typename SourceType>
	void BindRaw(SourceType* Object, typename FGetter::template TSPMethodDelegate_Const<SourceType>::FMethodPtr Method)
	{
		Bind(FGetter::CreateRaw(Object, Method));
	}

private:
	mutable ObjectType Value;
	bool bIsSet;
	FGetter Getter;
};

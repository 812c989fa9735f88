// Cast<T>: the object as a T when it is one, else null.
#pragma once

#include "Misc/AssertionMacros.h"
#include "UObject/Class.h"

template <class To, class From>
To* Cast(From* Src)
{
	return Src != nullptr && Src->IsA(To::StaticClass()) ? static_cast<To*>(Src) : nullptr;
}

template <class To, class From>
const To* Cast(const From* Src)
{
	return Src != nullptr && Src->IsA(To::StaticClass()) ? static_cast<const To*>(Src) : nullptr;
}

template <class To, class From>
To* CastChecked(From* Src)
{
	To* Result = Cast<To>(Src);
	check(Result != nullptr);
	return Result;
}

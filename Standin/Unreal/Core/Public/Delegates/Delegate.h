// Single-cast delegates: a callable bound to a raw object, a shared object (expires with it), a lambda
// or a function. Executing an unbound delegate is a fatal error, as in the engine.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <type_traits>
#include <utility>

#include "Templates/SharedPointer.h"

template <typename Signature>
class TDelegate;

template <typename RetType, typename... ParamTypes>
class TDelegate<RetType(ParamTypes...)>
{
public:
	using FFunction = std::function<RetType(ParamTypes...)>;

	template <typename UserClass>
	struct TMethodPtr
	{
		using Type = RetType (UserClass::*)(ParamTypes...);
	};
	template <typename UserClass>
	struct TConstMethodPtr
	{
		using Type = RetType (UserClass::*)(ParamTypes...) const;
	};
	// The engine's name for the const method type of a shared-pointer binding, used by TAttribute.
	template <typename UserClass>
	struct TSPMethodDelegate_Const
	{
		using FMethodPtr = RetType (UserClass::*)(ParamTypes...) const;
	};

	TDelegate() = default;

	template <typename UserClass>
	static TDelegate CreateRaw(UserClass* Object, typename TMethodPtr<UserClass>::Type Method)
	{
		return TDelegate([Object, Method](ParamTypes... Params) -> RetType { return (Object->*Method)(std::forward<ParamTypes>(Params)...); });
	}
	template <typename UserClass>
	static TDelegate CreateRaw(const UserClass* Object, typename TConstMethodPtr<UserClass>::Type Method)
	{
		return TDelegate([Object, Method](ParamTypes... Params) -> RetType { return (Object->*Method)(std::forward<ParamTypes>(Params)...); });
	}

	template <typename UserClass, ESPMode Mode>
	static TDelegate CreateSP(const TSharedRef<UserClass, Mode>& Object, typename TMethodPtr<UserClass>::Type Method)
	{
		return CreateGuarded(Object, Method);
	}
	template <typename UserClass, ESPMode Mode>
	static TDelegate CreateSP(const TSharedRef<UserClass, Mode>& Object, typename TConstMethodPtr<UserClass>::Type Method)
	{
		return CreateGuarded(Object, Method);
	}
	// Binding a raw 'this' of a class that derives from TSharedFromThis, as Slate widgets do.
	template <typename UserClass>
	static TDelegate CreateSP(UserClass* Object, typename TMethodPtr<UserClass>::Type Method)
	{
		return CreateGuarded(StaticCastSharedRef<UserClass>(Object->AsShared()), Method);
	}
	template <typename UserClass>
	static TDelegate CreateSP(const UserClass* Object, typename TConstMethodPtr<UserClass>::Type Method)
	{
		return CreateGuarded(StaticCastSharedRef<const UserClass>(Object->AsShared()), Method);
	}

	template <typename FunctorType>
	static TDelegate CreateLambda(FunctorType&& Functor)
	{
		return TDelegate(FFunction(std::forward<FunctorType>(Functor)));
	}
	static TDelegate CreateStatic(RetType (*Function)(ParamTypes...)) { return TDelegate(FFunction(Function)); }

	template <typename UserClass, typename MethodType>
	void BindRaw(UserClass* Object, MethodType Method) { *this = CreateRaw(Object, Method); }
	template <typename UserClass, typename MethodType>
	void BindSP(UserClass Object, MethodType Method) { *this = CreateSP(Object, Method); }
	template <typename FunctorType>
	void BindLambda(FunctorType&& Functor) { *this = CreateLambda(std::forward<FunctorType>(Functor)); }
	void BindStatic(RetType (*Function)(ParamTypes...)) { *this = CreateStatic(Function); }

	bool IsBound() const { return Function && (!IsObjectAlive || IsObjectAlive()); }
	void Unbind()
	{
		Function = nullptr;
		IsObjectAlive = nullptr;
	}

	RetType Execute(ParamTypes... Params) const
	{
		if (!IsBound())
		{
			std::fprintf(stderr, "Fatal error: Execute called on an unbound delegate\n");
			std::abort();
		}
		return Function(std::forward<ParamTypes>(Params)...);
	}

	template <typename R = RetType, typename = std::enable_if_t<std::is_void_v<R>>>
	bool ExecuteIfBound(ParamTypes... Params) const
	{
		if (!IsBound())
		{
			return false;
		}
		Function(std::forward<ParamTypes>(Params)...);
		return true;
	}

private:
	explicit TDelegate(FFunction InFunction) : Function(std::move(InFunction)) {}

	// Holds the object weakly; a call pins it, so it lives until the call returns, as in the engine.
	template <typename UserClass, ESPMode Mode, typename MethodType>
	static TDelegate CreateGuarded(const TSharedRef<UserClass, Mode>& Object, MethodType Method)
	{
		const TWeakPtr<UserClass, Mode> Weak = Object;
		TDelegate Result([Weak, Method](ParamTypes... Params) -> RetType {
			const TSharedPtr<UserClass, Mode> Pinned = Weak.Pin();
			return ((*Pinned).*Method)(std::forward<ParamTypes>(Params)...);
		});
		Result.IsObjectAlive = [Weak] { return Weak.IsValid(); };
		return Result;
	}

	FFunction Function;
	// Set for a shared-pointer binding: whether its object still lives.
	std::function<bool()> IsObjectAlive;
};

#define DECLARE_DELEGATE(DelegateName) typedef TDelegate<void()> DelegateName;
#define DECLARE_DELEGATE_OneParam(DelegateName, Param1Type) typedef TDelegate<void(Param1Type)> DelegateName;
#define DECLARE_DELEGATE_TwoParams(DelegateName, Param1Type, Param2Type)                                              \
	typedef TDelegate<void(Param1Type, Param2Type)> DelegateName;
#define DECLARE_DELEGATE_ThreeParams(DelegateName, Param1Type, Param2Type, Param3Type)                                \
	typedef TDelegate<void(Param1Type, Param2Type, Param3Type)> DelegateName;
#define DECLARE_DELEGATE_RetVal(RetValType, DelegateName) typedef TDelegate<RetValType()> DelegateName;
#define DECLARE_DELEGATE_RetVal_OneParam(RetValType, DelegateName, Param1Type)                                        \
	typedef TDelegate<RetValType(Param1Type)> DelegateName;
#define DECLARE_DELEGATE_RetVal_TwoParams(RetValType, DelegateName, Param1Type, Param2Type)                           \
	typedef TDelegate<RetValType(Param1Type, Param2Type)> DelegateName;

DECLARE_DELEGATE(FSimpleDelegate)

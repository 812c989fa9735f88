// Slate's declarative syntax: SNew(SWidgetType).Argument(Value)[Content], argument lists declared
// with SLATE_BEGIN_ARGS ... SLATE_END_ARGS, and slots added with '+'.
#pragma once

#include "CoreMinimal.h"
#include "GenericPlatform/ICursor.h"
#include "Layout/Visibility.h"
#include "Misc/Attribute.h"
#include "Widgets/SNullWidget.h"
#include "Widgets/SWidget.h"

// A widget reference that is never empty: SNullWidget::NullWidget until content is given.
struct TAlwaysValidWidget
{
	TAlwaysValidWidget() : Widget(SNullWidget::NullWidget) {}
	TSharedRef<SWidget> Widget;
};

// `.Content()[ ... ]` for a named slot.
template <typename DeclarationType>
struct NamedSlotProperty
{
	NamedSlotProperty(DeclarationType& InOwnerDeclaration, TAlwaysValidWidget& InSlotContent)
		: OwnerDeclaration(InOwnerDeclaration), SlotContent(InSlotContent)
	{
	}
	DeclarationType& operator[](const TSharedRef<SWidget>& InChild)
	{
		SlotContent.Widget = InChild;
		return OwnerDeclaration;
	}

	DeclarationType& OwnerDeclaration;
	TAlwaysValidWidget& SlotContent;
};

#define SLATE_PRIVATE_ATTRIBUTE_FUNCTION(AttrType, AttrName)                                                          \
	WidgetArgsType& AttrName(const TAttribute<AttrType>& InAttribute)                                                 \
	{                                                                                                                 \
		_##AttrName = InAttribute;                                                                                    \
		return this->Me();                                                                                            \
	}                                                                                                                 \
	template <class UserClass>                                                                                        \
	WidgetArgsType& AttrName(UserClass* InUserObject,                                                                 \
							 typename TAttribute<AttrType>::FGetter::template TSPMethodDelegate_Const<UserClass>::FMethodPtr InFunc) \
	{                                                                                                                 \
		_##AttrName = TAttribute<AttrType>(InUserObject, InFunc);                                                     \
		return this->Me();                                                                                            \
	}                                                                                                                 \
	template <class UserClass>                                                                                        \
	WidgetArgsType& AttrName(const TSharedRef<UserClass>& InUserObjectRef,                                            \
							 typename TAttribute<AttrType>::FGetter::template TSPMethodDelegate_Const<UserClass>::FMethodPtr InFunc) \
	{                                                                                                                 \
		_##AttrName = TAttribute<AttrType>(InUserObjectRef, InFunc);                                                  \
		return this->Me();                                                                                            \
	}

#define SLATE_ATTRIBUTE(AttrType, AttrName)                                                                           \
	TAttribute<AttrType> _##AttrName;                                                                                 \
	SLATE_PRIVATE_ATTRIBUTE_FUNCTION(AttrType, AttrName)

#define SLATE_ARGUMENT(ArgType, ArgName)                                                                              \
	ArgType _##ArgName;                                                                                               \
	WidgetArgsType& ArgName(ArgType InArg)                                                                            \
	{                                                                                                                 \
		_##ArgName = InArg;                                                                                           \
		return this->Me();                                                                                            \
	}

#define SLATE_STYLE_ARGUMENT(ArgType, ArgName)                                                                        \
	const ArgType* _##ArgName;                                                                                        \
	WidgetArgsType& ArgName(const ArgType* InArg)                                                                     \
	{                                                                                                                 \
		_##ArgName = InArg;                                                                                           \
		return this->Me();                                                                                            \
	}

#define SLATE_EVENT(DelegateName, EventName)                                                                          \
	DelegateName _##EventName;                                                                                        \
	WidgetArgsType& EventName(const DelegateName& InDelegate)                                                         \
	{                                                                                                                 \
		_##EventName = InDelegate;                                                                                    \
		return this->Me();                                                                                            \
	}                                                                                                                 \
	template <class UserClass>                                                                                        \
	WidgetArgsType& EventName(UserClass* InUserObject, typename DelegateName::template TMethodPtr<UserClass>::Type InFunc) \
	{                                                                                                                 \
		_##EventName = DelegateName::CreateSP(InUserObject, InFunc);                                                  \
		return this->Me();                                                                                            \
	}                                                                                                                 \
	template <class UserClass>                                                                                        \
	WidgetArgsType& EventName(UserClass* InUserObject,                                                                \
							  typename DelegateName::template TConstMethodPtr<UserClass>::Type InFunc)                \
	{                                                                                                                 \
		_##EventName = DelegateName::CreateSP(InUserObject, InFunc);                                                  \
		return this->Me();                                                                                            \
	}                                                                                                                 \
	template <class UserClass>                                                                                        \
	WidgetArgsType& EventName(const TSharedRef<UserClass>& InUserObjectRef,                                           \
							  typename DelegateName::template TMethodPtr<UserClass>::Type InFunc)                     \
	{                                                                                                                 \
		_##EventName = DelegateName::CreateSP(InUserObjectRef, InFunc);                                               \
		return this->Me();                                                                                            \
	}

#define SLATE_NAMED_SLOT(DeclarationType, SlotName)                                                                   \
	NamedSlotProperty<DeclarationType> SlotName()                                                                     \
	{                                                                                                                 \
		return NamedSlotProperty<DeclarationType>(*this, _##SlotName);                                                \
	}                                                                                                                 \
	TAlwaysValidWidget _##SlotName;

#define SLATE_DEFAULT_SLOT(DeclarationType, SlotName)                                                                 \
	SLATE_NAMED_SLOT(DeclarationType, SlotName)                                                                       \
	DeclarationType& operator[](const TSharedRef<SWidget>& InChild)                                                   \
	{                                                                                                                 \
		_##SlotName.Widget = InChild;                                                                                 \
		return *this;                                                                                                 \
	}

#define SLATE_SUPPORTS_SLOT(SlotType)                                                                                 \
	TArray<SlotType*> Slots;                                                                                          \
	WidgetArgsType& operator+(SlotType& SlotToAdd)                                                                    \
	{                                                                                                                 \
		Slots.Add(&SlotToAdd);                                                                                        \
		return this->Me();                                                                                            \
	}

// The arguments every widget takes.
template <typename WidgetType>
struct TSlateBaseNamedArgs
{
	typedef typename WidgetType::FArguments WidgetArgsType;

	TSlateBaseNamedArgs()
		: _ToolTipText(), _Cursor(TOptional<EMouseCursor::Type>()), _IsEnabled(true), _Visibility(EVisibility::Visible), _Tag()
	{
	}

	SLATE_ATTRIBUTE(FText, ToolTipText)
	SLATE_ATTRIBUTE(TOptional<EMouseCursor::Type>, Cursor)
	SLATE_ATTRIBUTE(bool, IsEnabled)
	SLATE_ATTRIBUTE(EVisibility, Visibility)
	SLATE_ARGUMENT(FName, Tag)

	WidgetArgsType& Me() { return *static_cast<WidgetArgsType*>(this); }
};

#define SLATE_BEGIN_ARGS(WidgetType)                                                                                  \
public:                                                                                                               \
	struct FArguments : public TSlateBaseNamedArgs<WidgetType>                                                        \
	{                                                                                                                 \
		typedef FArguments WidgetArgsType;                                                                            \
		FArguments()

#define SLATE_END_ARGS()                                                                                              \
	}                                                                                                                 \
	;

// What SNew builds: the new widget, constructed from its arguments by operator<<=.
template <class WidgetType>
struct TDecl
{
	TDecl(const ANSICHAR* InType, const ANSICHAR* InFile, int32 OnLine) : _Widget(TSharedRef<WidgetType>(new WidgetType()))
	{
		_Widget->SetDebugInfo(InType, InFile, OnLine, sizeof(WidgetType));
	}

	template <class ExposeAsWidgetType>
	TDecl& Expose(TSharedPtr<ExposeAsWidgetType>& OutVarToInit)
	{
		OutVarToInit = _Widget;
		return *this;
	}
	template <class ExposeAsWidgetType>
	TDecl& Expose(TSharedRef<ExposeAsWidgetType>& OutVarToInit)
	{
		OutVarToInit = _Widget;
		return *this;
	}
	template <class ExposeAsWidgetType>
	TDecl& Expose(TWeakPtr<ExposeAsWidgetType>& OutVarToInit)
	{
		OutVarToInit = _Widget;
		return *this;
	}

	TSharedRef<WidgetType> operator<<=(const typename WidgetType::FArguments& InArgs) const
	{
		_Widget->SWidgetConstruct(InArgs._ToolTipText, InArgs._Cursor, InArgs._IsEnabled, InArgs._Visibility, InArgs._Tag);
		_Widget->Construct(InArgs);
		return _Widget;
	}

	TSharedRef<WidgetType> _Widget;
};

template <typename WidgetType>
TDecl<WidgetType> MakeTDecl(const ANSICHAR* InType, const ANSICHAR* InFile, int32 OnLine)
{
	return TDecl<WidgetType>(InType, InFile, OnLine);
}

#define SNew(WidgetType, ...) MakeTDecl<WidgetType>(#WidgetType, __FILE__, __LINE__) <<= typename WidgetType::FArguments()

#define SAssignNew(ExposeAs, WidgetType, ...)                                                                         \
	MakeTDecl<WidgetType>(#WidgetType, __FILE__, __LINE__).Expose(ExposeAs) <<= typename WidgetType::FArguments()

// The reflection macros and object flags. The engine's header tool reads UCLASS/UPROPERTY/... and
// generates code; the stand-in has no header tool, so they expand to nothing, and GENERATED_BODY()
// declares the class-object accessors that STANDIN_IMPLEMENT_CLASS (Standin/ClassModel.h) defines.
#pragma once

#include "CoreTypes.h"

class UClass;

#define UCLASS(...)
#define UINTERFACE(...)
#define USTRUCT(...)
#define UENUM(...)
#define UPROPERTY(...)
#define UFUNCTION(...)
#define UPARAM(...)
#define UMETA(...)
#define UDELEGATE(...)

// As in the engine, GetPrivateStaticClass is private and StaticClass is the public way in; members
// declared after GENERATED_BODY() are private until an access specifier says otherwise.
#define GENERATED_BODY()                                                                                               \
private:                                                                                                               \
	static UClass* GetPrivateStaticClass();                                                                            \
                                                                                                                       \
public:                                                                                                                \
	static UClass* StaticClass() { return GetPrivateStaticClass(); }                                                   \
                                                                                                                       \
private:

#define GENERATED_UCLASS_BODY() GENERATED_BODY() public:
#define GENERATED_USTRUCT_BODY()

// A fixed underlying type: masks such as ~RF_NeedPostLoad must be values of the type (an enum
// without one only holds the range of its enumerators).
enum EObjectFlags : uint32
{
	RF_NoFlags = 0x00000000,
	RF_Public = 0x00000001,
	RF_Standalone = 0x00000002,
	RF_MarkAsNative = 0x00000004,
	RF_Transactional = 0x00000008,
	RF_ClassDefaultObject = 0x00000010,
	RF_ArchetypeObject = 0x00000020,
	RF_Transient = 0x00000040,
	RF_NeedLoad = 0x00000400,
	RF_NeedPostLoad = 0x00001000,
	RF_WasLoaded = 0x00080000
};

inline EObjectFlags operator|(EObjectFlags A, EObjectFlags B)
{
	return static_cast<EObjectFlags>(static_cast<uint32>(A) | static_cast<uint32>(B));
}
inline EObjectFlags operator&(EObjectFlags A, EObjectFlags B)
{
	return static_cast<EObjectFlags>(static_cast<uint32>(A) & static_cast<uint32>(B));
}
inline EObjectFlags operator~(EObjectFlags A)
{
	return static_cast<EObjectFlags>(~static_cast<uint32>(A));
}
inline EObjectFlags& operator|=(EObjectFlags& A, EObjectFlags B)
{
	return A = A | B;
}
inline EObjectFlags& operator&=(EObjectFlags& A, EObjectFlags B)
{
	return A = A & B;
}

// Loading flags accepted (and ignored: every load is synchronous) by LoadObject and friends.
enum ELoadFlags
{
	LOAD_None = 0x00000000,
	LOAD_NoWarn = 0x00000010,
	LOAD_Quiet = 0x00002000
};

#define SUBOBJECT_DELIMITER TEXT(":")

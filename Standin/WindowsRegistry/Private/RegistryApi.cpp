// RegOpenKeyExW, RegQueryValueExW and RegCloseKey over the machine's registry.reg. An open key
// holds the values of its key as the file had them when it was opened (Windows also answers an open
// key from its own state, whatever happens to the file later).
#include "Standin/RegistryFile.h"
#include "Windows/WindowsHWrapper.h"

#include <array>
#include <cstring>
#include <memory>
#include <mutex>
#include <optional>
#include <set>

namespace
{
using namespace Standin::Registry;

// What an open handle points at: the key as the file had it when the key was opened.
using OpenKey = Key;

std::mutex HandlesMutex;
std::set<OpenKey*> Handles;

constexpr std::array<std::pair<ULONG_PTR, std::u16string_view>, 5> PredefinedKeys = {{
	{static_cast<ULONG_PTR>(static_cast<LONG>(0x80000000)), u"HKEY_CLASSES_ROOT"},
	{static_cast<ULONG_PTR>(static_cast<LONG>(0x80000001)), u"HKEY_CURRENT_USER"},
	{static_cast<ULONG_PTR>(static_cast<LONG>(0x80000002)), u"HKEY_LOCAL_MACHINE"},
	{static_cast<ULONG_PTR>(static_cast<LONG>(0x80000003)), u"HKEY_USERS"},
	{static_cast<ULONG_PTR>(static_cast<LONG>(0x80000005)), u"HKEY_CURRENT_CONFIG"},
}};

std::optional<std::u16string_view> PredefinedPath(HKEY Key)
{
	for (const auto& [Handle, Path] : PredefinedKeys)
	{
		if (reinterpret_cast<ULONG_PTR>(Key) == Handle)
		{
			return Path;
		}
	}
	return std::nullopt;
}

// The path of a predefined or open key; nothing for an unknown handle.
std::optional<std::u16string> PathOf(HKEY Key)
{
	if (std::optional<std::u16string_view> Predefined = PredefinedPath(Key))
	{
		return std::u16string(*Predefined);
	}
	std::lock_guard Lock(HandlesMutex);
	auto It = Handles.find(reinterpret_cast<OpenKey*>(Key));
	return It == Handles.end() ? std::nullopt : std::optional<std::u16string>((*It)->Path);
}
} // namespace

extern "C" LONG WINAPI RegOpenKeyExW(HKEY hKey, LPCWSTR lpSubKey, DWORD ulOptions, REGSAM samDesired, PHKEY phkResult)
{
	if (!phkResult)
	{
		return ERROR_INVALID_PARAMETER;
	}
	*phkResult = nullptr;
	const std::optional<std::u16string> BasePath = PathOf(hKey);
	if (!BasePath)
	{
		return ERROR_INVALID_HANDLE;
	}
	// The stand-in registry is read-only: write access is denied, as for a key the user may not change.
	if (samDesired & (KEY_SET_VALUE | KEY_CREATE_SUB_KEY | KEY_CREATE_LINK))
	{
		return ERROR_ACCESS_DENIED;
	}
	const std::u16string Path =
		NormalizeKeyPath(lpSubKey && *lpSubKey ? *BasePath + u'\\' + std::u16string(lpSubKey) : *BasePath);
	const File Registry = LoadMachineRegistry();
	if (!Registry.HasKey(Path))
	{
		return ERROR_FILE_NOT_FOUND;
	}
	const Key* Entry = Registry.FindKey(Path);
	auto Opened = std::make_unique<OpenKey>(Entry ? *Entry : Key{Path, {}});
	std::lock_guard Lock(HandlesMutex);
	*phkResult = reinterpret_cast<HKEY>(Opened.get());
	Handles.insert(Opened.release());
	return ERROR_SUCCESS;
}

extern "C" LONG WINAPI RegQueryValueExW(HKEY hKey, LPCWSTR lpValueName, LPDWORD lpReserved, LPDWORD lpType,
										LPBYTE lpData, LPDWORD lpcbData)
{
	if (lpReserved || (lpData && !lpcbData))
	{
		return ERROR_INVALID_PARAMETER;
	}
	std::optional<Value> Found;
	{
		std::lock_guard Lock(HandlesMutex);
		auto It = Handles.find(reinterpret_cast<OpenKey*>(hKey));
		if (It == Handles.end())
		{
			// A predefined hive has no values of its own in the stand-in.
			return PredefinedPath(hKey) ? ERROR_FILE_NOT_FOUND : ERROR_INVALID_HANDLE;
		}
		const std::u16string_view Name = lpValueName ? std::u16string_view(lpValueName) : std::u16string_view();
		if (const Value* Entry = (*It)->FindValue(Name))
		{
			Found = *Entry;
		}
	}
	if (!Found)
	{
		return ERROR_FILE_NOT_FOUND;
	}
	if (lpType)
	{
		*lpType = Found->Type;
	}
	const DWORD Size = static_cast<DWORD>(Found->Data.size());
	if (!lpcbData)
	{
		return ERROR_SUCCESS;
	}
	if (!lpData)
	{
		*lpcbData = Size;
		return ERROR_SUCCESS;
	}
	const DWORD Room = *lpcbData;
	*lpcbData = Size;
	if (Room < Size)
	{
		return ERROR_MORE_DATA;
	}
	if (Size > 0)
	{
		std::memcpy(lpData, Found->Data.data(), Size);
	}
	return ERROR_SUCCESS;
}

extern "C" LONG WINAPI RegCloseKey(HKEY hKey)
{
	if (PredefinedPath(hKey))
	{
		return ERROR_SUCCESS;
	}
	std::lock_guard Lock(HandlesMutex);
	auto It = Handles.find(reinterpret_cast<OpenKey*>(hKey));
	if (It == Handles.end())
	{
		return ERROR_INVALID_HANDLE;
	}
	delete *It;
	Handles.erase(It);
	return ERROR_SUCCESS;
}

#include "Levelwright/BuildCommands.h"

#include "Dom/JsonObject.h"
#include "Misc/Paths.h"
#include "Policies/PrettyJsonPrintPolicy.h"
#include "Serialization/JsonSerializer.h"
#include "Serialization/JsonWriter.h"

namespace LevelwrightBuild
{
const TCHAR* const WindowsCookPlatform = TEXT("WindowsNoEditor");
const TCHAR* const AndroidCookPlatform = TEXT("Android_ASTC");
const TCHAR* const LinuxServerCookPlatform = TEXT("LinuxServer");
const TCHAR* const WorkshopMetadataText = TEXT("{ test: 1 }");

FString MakeToolPath(const FString& EngineDir, const TCHAR* ExecutableName)
{
	return FPaths::Combine(EngineDir, TEXT("Binaries"), TEXT("Win64"), ExecutableName);
}

FString GetCookPlatform(bool bPCBuild)
{
	return bPCBuild ? WindowsCookPlatform : AndroidCookPlatform;
}

FString MakeCookParams(const FString& ProjectFilePath, const FString& CookPlatform, const FString& MapPackageName, bool bIterative)
{
	FString Params;
	Params += FString::Printf(TEXT("\"%s\" "), *ProjectFilePath);
	Params += FString::Printf(TEXT(" -run=cook -targetplatform=%s+LinuxServer -UnVersioned"), *CookPlatform);
	Params += FString::Printf(TEXT(" -map=%s"), *MapPackageName);
	if (bIterative)
	{
		Params += TEXT(" -iterate");
	}
	return Params;
}

FString GetPakPlatform(const FString& CookPlatform)
{
	FString PakPlatform = TEXT("Linux");
	if (CookPlatform.Equals(WindowsCookPlatform, ESearchCase::IgnoreCase))
	{
		PakPlatform = TEXT("Windows");
	}
	else if (CookPlatform.Equals(AndroidCookPlatform, ESearchCase::IgnoreCase))
	{
		PakPlatform = AndroidCookPlatform;
	}
	return PakPlatform;
}

FString MakePakParams(const FString& PakPath, const FString& PakListPath, const FString& PakPlatform)
{
	FString Params;
	Params += FString::Printf(TEXT("\"%s\" "), *PakPath);
	Params += FString::Printf(TEXT("-create=\"%s\" "), *PakListPath);
	Params += FString::Printf(TEXT("-platform=\"%s\" -UTF8Output -multiprocess -patchpaddingalign=2048"), *PakPlatform);
	return Params;
}

void AppendPakListLine(FString& PakList, const TCHAR* SourcePath, const FString& MountPoint, const FString& RelativePath)
{
	PakList += TEXT("\"");
	PakList += SourcePath;
	PakList += TEXT("\" \"");
	PakList += MountPoint;
	PakList += TEXT("/");
	PakList += RelativePath;
	PakList += TEXT("\"\r\n");
}

FString MakeCookMarkerText(bool bPCBuild)
{
	return bPCBuild ? TEXT("Build:0") : TEXT("Build:1");
}

bool SerializeDeployMetadata(const FDeployMetadata& Metadata, FString& OutText)
{
	TSharedRef<FJsonObject> Json = MakeShared<FJsonObject>();
	Json->SetStringField(TEXT("Id"), Metadata.Id);
	Json->SetNumberField(TEXT("Version"), Metadata.Version);
	Json->SetStringField(TEXT("MapLabel"), Metadata.MapLabel);
	Json->SetBoolField(TEXT("IsCustomGameMode"), Metadata.bIsCustomGameMode);
	Json->SetStringField(TEXT("CustomGameModeLabel"), Metadata.CustomGameModeLabel);
	Json->SetNumberField(TEXT("AndroidPakSize"), static_cast<double>(Metadata.AndroidPakSize));
	Json->SetNumberField(TEXT("WindowsPakSize"), static_cast<double>(Metadata.WindowsPakSize));
	Json->SetNumberField(TEXT("LinuxServerPakSize"), static_cast<double>(Metadata.LinuxServerPakSize));
	Json->SetNumberField(TEXT("QuarnLinuxServerPakSize"), static_cast<double>(Metadata.QuarnLinuxServerPakSize));

	FString Text;
	TSharedRef<TJsonWriter<TCHAR, TPrettyJsonPrintPolicy<TCHAR>>> Writer = TJsonWriterFactory<TCHAR, TPrettyJsonPrintPolicy<TCHAR>>::Create(&Text);
	if (!FJsonSerializer::Serialize(Json, Writer))
	{
		return false;
	}
	OutText = Text;
	return true;
}
} // namespace LevelwrightBuild

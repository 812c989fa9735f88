#include "Levelwright/ProgressTexts.h"

#include "Misc/Paths.h"

namespace LevelwrightProgress
{
namespace
{
const TCHAR* GetJobName(EJobKind Kind)
{
	switch (Kind)
	{
	case EJobKind::Stage:
		return TEXT("Staging");
	case EJobKind::Submit:
		return TEXT("Submitting");
	default:
		return TEXT("Building the Quarn mod");
	}
}

double ToMegabytes(uint64 Bytes)
{
	return static_cast<double>(Bytes) / 1000000.0;
}
} // namespace

FString MakeJobStartText(EJobKind Kind)
{
	switch (Kind)
	{
	case EJobKind::Stage:
		return TEXT("Staging the map");
	case EJobKind::Submit:
		return TEXT("Building the Workshop content");
	default:
		return TEXT("Building the Quarn mod");
	}
}

FString MakeCookStepText(const FString& MapPackageName, const FString& CookPlatform)
{
	FString MapName;
	if (!MapPackageName.Split(TEXT("/"), nullptr, &MapName, ESearchCase::CaseSensitive, ESearchDir::FromEnd))
	{
		MapName = MapPackageName;
	}
	return FString::Printf(TEXT("Cooking %s for %s"), *MapName, *CookPlatform);
}

FString MakePackStepText(const FString& PakPath)
{
	return FString::Printf(TEXT("Packing %s"), *FPaths::GetCleanFilename(PakPath));
}

FString MakeUploadStepText(int32 Status, uint64 BytesProcessed, uint64 BytesTotal)
{
	switch (Status)
	{
	case 1:
	case 2:
		return TEXT("Preparing the upload");
	case 3:
	{
		// Rounded, but 100% only once every byte is up.
		const uint64 Bytes = FMath::Min<uint64>(BytesProcessed, BytesTotal);
		const uint64 Rounded = BytesTotal > 0 ? (Bytes * 100 + BytesTotal / 2) / BytesTotal : 0;
		const uint64 Percent = Bytes < BytesTotal ? FMath::Min<uint64>(Rounded, 99) : Rounded;
		return FString::Printf(TEXT("Uploading to the Workshop: %.1f of %.1f MB (%d%%)"), ToMegabytes(BytesProcessed), ToMegabytes(BytesTotal), static_cast<int32>(Percent));
	}
	case 4:
		return TEXT("Uploading the preview image");
	case 5:
		return TEXT("Committing");
	default:
		return TEXT("Waiting for Steam");
	}
}

FString MakeJobSucceededText(EJobKind Kind)
{
	switch (Kind)
	{
	case EJobKind::Stage:
		return TEXT("Staged in your Drovik install");
	case EJobKind::Submit:
		return TEXT("Submitted to the Workshop");
	default:
		return TEXT("Built the Quarn mod");
	}
}

FString MakeJobFailedText(EJobKind Kind, const FString& Reason)
{
	return FString::Printf(TEXT("%s failed: %s"), GetJobName(Kind), *Reason);
}

FString MakeJobCancelledText(EJobKind Kind)
{
	return FString::Printf(TEXT("%s cancelled"), GetJobName(Kind));
}

FString MakeJobCancelledLine(EJobKind Kind)
{
	return FString::Printf(TEXT("%s cancelled by the author"), GetJobName(Kind));
}

FString MakeSyncEndedText(bool bSucceeded)
{
	return bSucceeded ? TEXT("Synced the title, tags and preview") : TEXT("Sync failed (see the output log)");
}

FString MakeJobStoppedAtShutdownLine(EJobKind Kind)
{
	return FString::Printf(TEXT("%s stopped: the editor is shutting down"), GetJobName(Kind));
}
} // namespace LevelwrightProgress

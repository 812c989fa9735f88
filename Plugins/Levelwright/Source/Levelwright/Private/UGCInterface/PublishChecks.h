// The checks made before a Workshop request is sent: each gathers what Steam would refuse, as one
// sentence per problem (PublishCheckTexts), so that the author sees every problem at once and Steam
// gets nothing until all are fixed. Game thread only: they read the definition and its texture.
#pragma once

#include "CoreMinimal.h"

class UDrovik_Map;

// Create New: the project must not have an item already.
TArray<FString> FindCreateProblems(uint64 ItemId);
// Sync Metadata: the definition's title, its preview texture when one is set, and the item.
TArray<FString> FindSyncProblems(UDrovik_Map& Definition, uint64 ItemId);
// Submit, when it is pressed: the change note and the item.
TArray<FString> FindSubmitProblems(const FString& ChangeNote, uint64 ItemId);
// Submit, after the build: what the content folder holds.
TArray<FString> FindContentProblems(const FString& ContentDir);

// Logs each problem as an Error line.
void LogPublishProblems(const TArray<FString>& Problems);
// When there are problems: logs them and shows one "Drovik Workshop" box listing them all under what
// Action sent nothing, and returns true (the caller sends nothing). False when there are none.
bool RefuseIfProblems(const TCHAR* Action, const TArray<FString>& Problems);

// The editor's saving of packages. The engine's header declares FEditorFileUtils and the scripting
// library UEditorLoadingAndSavingUtils; the stand-in has the one call the plugin makes.
#pragma once

#include "CoreMinimal.h"

class UPackage;

// In the engine a UCLASS (a UBlueprintFunctionLibrary); only its static functions are called.
class UEditorLoadingAndSavingUtils
{
public:
	// Saves the packages as the editor's File > Save does, each to the file its name gives below the
	// project's Content folder; with bOnlyDirty only those with unsaved changes. True when every
	// package that was to be saved was written; a package that cannot be written is an Error line
	// (LogFileHelpers) and a false result, and the others are still saved. Game thread only: a check
	// fails on any other thread.
	static bool SavePackages(const TArray<UPackage*>& PackagesToSave, bool bOnlyDirty);
};

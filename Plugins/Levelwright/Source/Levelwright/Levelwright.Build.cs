// Copyright Levelwright. All Rights Reserved.

using System.IO;
using UnrealBuildTool;

public class Levelwright : ModuleRules
{
	public Levelwright(ReadOnlyTargetRules Target) : base(Target)
	{
		PCHUsage = PCHUsageMode.UseExplicitOrSharedPCHs;

		PublicIncludePaths.Add(Path.Combine(ModuleDirectory, "Public"));
		PrivateIncludePaths.Add(Path.Combine(ModuleDirectory, "Private"));

		PublicDependencyModuleNames.AddRange(new string[]
		{
			"Core",
			"CoreUObject",
			"Engine",
		});

		PrivateDependencyModuleNames.AddRange(new string[]
		{
			"Slate",
			"SlateCore",
			"InputCore",
			"ApplicationCore",
			"UnrealEd",
			"EditorStyle",
			"Projects",
			"Json",
			"AssetRegistry",
			"ImageWrapper",
			"WorkspaceMenuStructure",
			"DrovikProxy",
		});

		// Steamworks SDK 1.39 as shipped with the engine (steam_api64.dll, delay-loaded).
		AddEngineThirdPartyPrivateStaticDependencies(Target, "Steamworks");
	}
}

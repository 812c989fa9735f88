// The engine's asset classes that the stand-in knows by name, and the module itself.
#include "Engine/DataAsset.h"
#include "Engine/StaticMesh.h"
#include "Engine/World.h"
#include "Materials/Material.h"
#include "Modules/ModuleManager.h"
#include "Standin/ClassModel.h"

STANDIN_IMPLEMENT_CLASS(UDataAsset, UObject, Engine)
{
}

STANDIN_IMPLEMENT_CLASS(UWorld, UObject, Engine)
{
	Class.SetMapAsset();
}

STANDIN_IMPLEMENT_CLASS(UStaticMesh, UObject, Engine)
{
}

STANDIN_IMPLEMENT_CLASS(UMaterialInterface, UObject, Engine)
{
}

STANDIN_IMPLEMENT_CLASS(UMaterial, UMaterialInterface, Engine)
{
}

IMPLEMENT_MODULE(FDefaultModuleImpl, Engine)

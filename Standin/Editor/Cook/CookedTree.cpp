#include "Cook/CookedTree.h"

#include <algorithm>
#include <functional>
#include <limits>
#include <map>
#include <set>

#include "Cook/CookedFormat.h"

namespace Standin::Editor::Cook
{
namespace fs = std::filesystem;

namespace
{
constexpr fs::file_time_type Unknown = fs::file_time_type::max();

fs::file_time_type OwnSourceTime(const FCookPackage& Package)
{
	std::error_code Error;
	fs::file_time_type Time = fs::last_write_time(Package.SourceFile, Error);
	if (Error)
	{
		return Unknown;
	}
	if (Package.Class == "Texture2D")
	{
		const fs::path Image = TextureImageFile(Package);
		const fs::file_time_type ImageTime = Image.empty() ? Unknown : fs::last_write_time(Image, Error);
		Time = Error ? Unknown : std::max(Time, ImageTime);
	}
	return Time;
}

// Each package's imports as indexes into the set; imports outside the set (outside /Game) are left out.
std::vector<std::vector<size_t>> ImportIndexes(const FCookSet& Set)
{
	std::map<std::string_view, size_t> IndexOf;
	for (size_t Index = 0; Index < Set.Packages.size(); ++Index)
	{
		IndexOf.emplace(Set.Packages[Index].Name, Index);
	}
	std::vector<std::vector<size_t>> Edges(Set.Packages.size());
	for (size_t Index = 0; Index < Set.Packages.size(); ++Index)
	{
		for (const std::string& Import : Set.Packages[Index].Imports)
		{
			if (const auto Found = IndexOf.find(Import); Found != IndexOf.end())
			{
				Edges[Index].push_back(Found->second);
			}
		}
	}
	return Edges;
}

// Tarjan's strongly connected components, without recursion (a long chain of references must not
// overflow the stack). Components complete in reverse topological order, so when one completes, every
// component it reaches has its latest time already; all members of a cycle share one time.
class FLatestTimes
{
public:
	FLatestTimes(std::vector<std::vector<size_t>> InEdges, std::vector<fs::file_time_type> InOwn)
		: Edges(std::move(InEdges)), Latest(std::move(InOwn)), Order(Edges.size(), Unvisited), LowLink(Edges.size()),
		  bOnStack(Edges.size(), false), bDone(Edges.size(), false)
	{
		for (size_t Root = 0; Root < Edges.size(); ++Root)
		{
			if (Order[Root] == Unvisited)
			{
				Walk(Root);
			}
		}
	}

	std::vector<fs::file_time_type> Take() { return std::move(Latest); }

private:
	static constexpr size_t Unvisited = std::numeric_limits<size_t>::max();

	struct FFrame
	{
		size_t Node;
		size_t NextEdge;
	};

	void Enter(size_t Node, std::vector<FFrame>& Calls)
	{
		Order[Node] = LowLink[Node] = Counter++;
		Stack.push_back(Node);
		bOnStack[Node] = true;
		Calls.push_back({Node, 0});
	}

	void Walk(size_t Root)
	{
		std::vector<FFrame> Calls;
		Enter(Root, Calls);
		while (!Calls.empty())
		{
			const size_t Node = Calls.back().Node;
			if (Calls.back().NextEdge < Edges[Node].size())
			{
				const size_t Next = Edges[Node][Calls.back().NextEdge++];
				if (Order[Next] == Unvisited)
				{
					Enter(Next, Calls);
				}
				else if (bOnStack[Next])
				{
					LowLink[Node] = std::min(LowLink[Node], Order[Next]);
				}
				continue;
			}
			if (LowLink[Node] == Order[Node])
			{
				Complete(Node);
			}
			Calls.pop_back();
			if (!Calls.empty())
			{
				LowLink[Calls.back().Node] = std::min(LowLink[Calls.back().Node], LowLink[Node]);
			}
		}
	}

	void Complete(size_t Head)
	{
		std::vector<size_t> Members;
		size_t Member = Unvisited;
		while (Member != Head)
		{
			Member = Stack.back();
			Stack.pop_back();
			bOnStack[Member] = false;
			Members.push_back(Member);
		}
		fs::file_time_type Time = fs::file_time_type::min();
		for (const size_t Each : Members)
		{
			Time = std::max(Time, Latest[Each]);
			for (const size_t Next : Edges[Each])
			{
				if (bDone[Next])
				{
					Time = std::max(Time, Latest[Next]);
				}
			}
		}
		for (const size_t Each : Members)
		{
			Latest[Each] = Time;
			bDone[Each] = true;
		}
	}

	std::vector<std::vector<size_t>> Edges;
	std::vector<fs::file_time_type> Latest;
	std::vector<size_t> Order;
	std::vector<size_t> LowLink;
	std::vector<bool> bOnStack;
	std::vector<bool> bDone;
	std::vector<size_t> Stack;
	size_t Counter = 0;
};

bool IsCurrent(const fs::path& File, fs::file_time_type SourceTime)
{
	std::error_code Error;
	const fs::file_status Status = fs::symlink_status(File, Error);
	if (Error || !fs::is_regular_file(Status))
	{
		return false;
	}
	const fs::file_time_type CookedTime = fs::last_write_time(File, Error);
	return !Error && CookedTime > SourceTime;
}

std::string Describe(const fs::path& Path, const std::error_code& Error)
{
	return Path.generic_string() + ": " + Error.message();
}
} // namespace

bool ClearPlatformFolder(const fs::path& PlatformDir, std::string& OutError)
{
	std::error_code Error;
	fs::remove_all(PlatformDir, Error);
	if (Error)
	{
		OutError = Describe(PlatformDir, Error);
		return false;
	}
	if (fs::exists(fs::symlink_status(PlatformDir, Error)))
	{
		OutError = PlatformDir.generic_string() + " is still there";
		return false;
	}
	return true;
}

std::vector<fs::file_time_type> LatestSourceTimes(const FCookSet& Set)
{
	std::vector<fs::file_time_type> Own;
	Own.reserve(Set.Packages.size());
	for (const FCookPackage& Package : Set.Packages)
	{
		Own.push_back(OwnSourceTime(Package));
	}
	return FLatestTimes(ImportIndexes(Set), std::move(Own)).Take();
}

bool PlanIterativeCook(const fs::path& PlatformDir, const fs::path& ContentDir, std::string_view Platform, const FCookSet& Set,
					   const std::vector<fs::file_time_type>& SourceTimes, FIterativePlan& OutPlan, std::string& OutError)
{
	OutPlan = FIterativePlan();
	std::set<fs::path> Written;
	for (size_t Index = 0; Index < Set.Packages.size(); ++Index)
	{
		bool bCurrent = true;
		for (const std::string& Name : CookedFileNames(Set.Packages[Index], Platform))
		{
			const fs::path File = ContentDir / Name;
			bCurrent = IsCurrent(File, SourceTimes[Index]) && bCurrent;
			Written.insert(File);
		}
		if (bCurrent)
		{
			++OutPlan.KeptCount;
		}
		else
		{
			OutPlan.ToCook.push_back(Index);
		}
	}

	std::error_code Error;
	if (!fs::exists(fs::symlink_status(PlatformDir, Error)))
	{
		return true;
	}
	for (fs::recursive_directory_iterator It(PlatformDir, Error), End; !Error && It != End; It.increment(Error))
	{
		const fs::file_status Status = It->symlink_status(Error);
		if (Error)
		{
			break;
		}
		if (fs::is_directory(Status))
		{
			OutPlan.Folders.push_back(It->path());
		}
		else if (!Written.contains(It->path()))
		{
			OutPlan.StaleFiles.push_back(It->path());
		}
	}
	if (Error)
	{
		OutError = "cannot read " + PlatformDir.generic_string() + ": " + Error.message();
		return false;
	}
	return true;
}

bool RemoveStale(const FIterativePlan& Plan, std::string& OutError)
{
	std::error_code Error;
	for (const fs::path& File : Plan.StaleFiles)
	{
		if (!fs::remove(File, Error) && Error)
		{
			OutError = Describe(File, Error);
			return false;
		}
	}
	// A folder's path sorts before the paths below it, so the reverse order reaches children first.
	std::vector<fs::path> Folders = Plan.Folders;
	std::sort(Folders.begin(), Folders.end(), std::greater<>());
	for (const fs::path& Folder : Folders)
	{
		if (fs::is_empty(Folder, Error) && !Error && !fs::remove(Folder, Error) && Error)
		{
			OutError = Describe(Folder, Error);
			return false;
		}
		Error.clear();
	}
	return true;
}
} // namespace Standin::Editor::Cook

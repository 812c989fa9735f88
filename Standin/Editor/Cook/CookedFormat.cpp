#include "Cook/CookedFormat.h"

#include <cstring>

namespace Standin::Editor::Cook
{
namespace
{
constexpr uint32_t PackageFileTag = 0x9E2A83C1u;
constexpr uint32_t FormatVersion = 1;

enum class EValueTag : uint8_t
{
	Null = 0,
	Bool = 1,
	Int = 2,
	Unsigned = 3,
	Double = 4,
	String = 5,
	List = 6,
	Object = 7
};

class FWriter
{
public:
	explicit FWriter(std::vector<uint8_t>& InBytes) : Bytes(InBytes) {}

	template <typename T>
	void Number(T Value)
	{
		uint64_t Bits = 0;
		static_assert(sizeof(T) <= sizeof(Bits));
		std::memcpy(&Bits, &Value, sizeof(T));
		for (size_t Index = 0; Index < sizeof(T); ++Index)
		{
			Bytes.push_back(static_cast<uint8_t>(Bits >> (8 * Index)));
		}
	}

	void String(std::string_view Text)
	{
		Number(static_cast<uint32_t>(Text.size()));
		Bytes.insert(Bytes.end(), Text.begin(), Text.end());
	}

	void Tag(EValueTag Value) { Bytes.push_back(static_cast<uint8_t>(Value)); }

	void Value(const nlohmann::json& Json)
	{
		switch (Json.type())
		{
		case nlohmann::json::value_t::boolean:
			Tag(EValueTag::Bool);
			Bytes.push_back(Json.get<bool>() ? 1 : 0);
			break;
		case nlohmann::json::value_t::number_integer:
			Tag(EValueTag::Int);
			Number(Json.get<int64_t>());
			break;
		case nlohmann::json::value_t::number_unsigned:
			Tag(EValueTag::Unsigned);
			Number(Json.get<uint64_t>());
			break;
		case nlohmann::json::value_t::number_float:
			Tag(EValueTag::Double);
			Number(Json.get<double>());
			break;
		case nlohmann::json::value_t::string:
			Tag(EValueTag::String);
			String(Json.get_ref<const std::string&>());
			break;
		case nlohmann::json::value_t::array:
			Tag(EValueTag::List);
			Number(static_cast<uint32_t>(Json.size()));
			for (const nlohmann::json& Element : Json)
			{
				Value(Element);
			}
			break;
		case nlohmann::json::value_t::object:
			Tag(EValueTag::Object);
			Members(Json);
			break;
		default:
			Tag(EValueTag::Null);
			break;
		}
	}

	// nlohmann::json keeps object members sorted by name, which makes the order deterministic.
	void Members(const nlohmann::json& Object)
	{
		Number(static_cast<uint32_t>(Object.size()));
		for (const auto& [Name, Member] : Object.items())
		{
			String(Name);
			Value(Member);
		}
	}

private:
	std::vector<uint8_t>& Bytes;
};

std::string HeaderExtension(const FCookPackage& Package)
{
	return Package.Class == "World" ? ".umap" : ".uasset";
}

bool HasBulk(const FCookPackage& Package, std::string_view Platform)
{
	return Package.Class == "Texture2D" && !IsServerPlatform(Platform);
}
} // namespace

bool IsServerPlatform(std::string_view Platform)
{
	return Platform.ends_with("Server");
}

std::vector<std::string> CookedFileNames(const FCookPackage& Package, std::string_view Platform)
{
	const std::string Base = Package.Name.substr(std::string_view("/Game/").size());
	std::vector<std::string> Names{Base + HeaderExtension(Package), Base + ".uexp"};
	if (HasBulk(Package, Platform))
	{
		Names.push_back(Base + ".ubulk");
	}
	return Names;
}

FCookedPackage SerializeCookedPackage(const FCookPackage& Package, const FBgraImage* Texture, std::string_view Platform)
{
	FCookedPackage Cooked;
	Cooked.Extension = HeaderExtension(Package);
	Cooked.bHasBulk = Texture != nullptr && HasBulk(Package, Platform);
	if (Cooked.bHasBulk)
	{
		Cooked.Bulk = Texture->Pixels;
	}

	FWriter Exports(Cooked.Exports);
	Exports.Members(Package.Properties);
	if (Texture != nullptr)
	{
		Exports.Number(Texture->Width);
		Exports.Number(Texture->Height);
		Exports.String("PF_B8G8R8A8");
		Exports.Number(static_cast<uint64_t>(Cooked.Bulk.size()));
	}
	Exports.Number(PackageFileTag);

	FWriter Header(Cooked.Header);
	Header.Number(PackageFileTag);
	Header.Number(FormatVersion);
	Header.String(Platform);
	Header.String(Package.Class);
	Header.String(Package.Name);
	Header.Number(static_cast<uint32_t>(Package.Imports.size()));
	for (const std::string& Import : Package.Imports)
	{
		Header.String(Import);
	}
	Header.Number(static_cast<uint64_t>(Cooked.Exports.size()));
	Header.Number(static_cast<uint64_t>(Cooked.Bulk.size()));
	return Cooked;
}
} // namespace Standin::Editor::Cook

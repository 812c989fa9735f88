#include "Standin/SlateFont.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <mutex>
#include <tuple>

namespace Standin::Slate
{
namespace
{
// Slate sizes are points at 96 DPI.
constexpr float PixelsPerPoint = 96.0f / 72.0f;

struct FGlyph
{
	long Advance26_6 = 0; // horizontal advance in 1/64 pixels
	int Left = 0;		  // bitmap offset from the pen
	int Top = 0;		  // bitmap top above the baseline
	int Width = 0;
	int Rows = 0;
	std::vector<std::uint8_t> Coverage;
	unsigned GlyphIndex = 0;
};

[[noreturn]] void Fatal(const std::string& Message)
{
	std::fprintf(stderr, "Slate: Error: %s\n", Message.c_str());
	std::fflush(stderr);
	std::abort();
}

// One FreeType library and one face per weight, with a cache of rendered glyphs. Text is laid out
// and painted on the editor's one game thread; the lock only keeps stray callers safe.
class FFontCache
{
public:
	static FFontCache& Get()
	{
		static FFontCache Instance;
		return Instance;
	}

	std::mutex Lock;

	FT_Face Face(EFontWeight Weight, float Size)
	{
		FT_Face& Slot = Weight == EFontWeight::Bold ? BoldFace : RegularFace;
		if (!Slot)
		{
			const std::filesystem::path Path = FindRobotoFace(Weight);
			if (FT_New_Face(Library, Path.c_str(), 0, &Slot) != 0)
			{
				Fatal("FreeType cannot open the font " + Path.string());
			}
		}
		const FT_F26Dot6 Pixels26_6 = static_cast<FT_F26Dot6>(std::lround(Size * PixelsPerPoint * 64));
		FT_Set_Char_Size(Slot, 0, Pixels26_6, 72, 72);
		return Slot;
	}

	const FGlyph& Glyph(EFontWeight Weight, float Size, char32_t CodePoint)
	{
		const auto Key = std::make_tuple(Weight, std::lround(Size * 64), CodePoint);
		if (auto Found = Glyphs.find(Key); Found != Glyphs.end())
		{
			return Found->second;
		}
		FT_Face F = Face(Weight, Size);
		FGlyph G;
		G.GlyphIndex = FT_Get_Char_Index(F, CodePoint);
		if (FT_Load_Glyph(F, G.GlyphIndex, FT_LOAD_RENDER | FT_LOAD_TARGET_LIGHT) == 0)
		{
			const FT_GlyphSlot S = F->glyph;
			G.Advance26_6 = S->advance.x;
			G.Left = S->bitmap_left;
			G.Top = S->bitmap_top;
			G.Width = static_cast<int>(S->bitmap.width);
			G.Rows = static_cast<int>(S->bitmap.rows);
			G.Coverage.resize(static_cast<std::size_t>(G.Width) * G.Rows);
			for (int Row = 0; Row < G.Rows; ++Row)
			{
				const std::uint8_t* Src = S->bitmap.buffer + static_cast<std::ptrdiff_t>(Row) * S->bitmap.pitch;
				std::copy(Src, Src + G.Width, G.Coverage.begin() + static_cast<std::ptrdiff_t>(Row) * G.Width);
			}
		}
		return Glyphs.emplace(Key, std::move(G)).first->second;
	}

	long Kerning(EFontWeight Weight, float Size, unsigned Left, unsigned Right)
	{
		FT_Face F = Face(Weight, Size);
		FT_Vector Delta{0, 0};
		if (FT_HAS_KERNING(F) && Left && Right)
		{
			FT_Get_Kerning(F, Left, Right, FT_KERNING_DEFAULT, &Delta);
		}
		return Delta.x;
	}

	// Ascender and line height in pixels (line height = ascender - descender, as Slate measures it).
	std::pair<float, float> VerticalMetrics(EFontWeight Weight, float Size)
	{
		FT_Face F = Face(Weight, Size);
		const float Ascender = F->size->metrics.ascender / 64.0f;
		const float Descender = F->size->metrics.descender / 64.0f;
		return {Ascender, std::ceil(Ascender - Descender)};
	}

private:
	FFontCache()
	{
		if (FT_Init_FreeType(&Library) != 0)
		{
			Fatal("FreeType cannot be initialised");
		}
	}

	FT_Library Library = nullptr;
	FT_Face RegularFace = nullptr;
	FT_Face BoldFace = nullptr;
	std::map<std::tuple<EFontWeight, long, char32_t>, FGlyph> Glyphs;
};

std::vector<char32_t> ToCodePoints(std::u16string_view Text)
{
	std::vector<char32_t> Out;
	Out.reserve(Text.size());
	for (std::size_t I = 0; I < Text.size(); ++I)
	{
		const char16_t C = Text[I];
		if (C >= 0xD800 && C < 0xDC00 && I + 1 < Text.size() && Text[I + 1] >= 0xDC00 && Text[I + 1] < 0xE000)
		{
			Out.push_back(0x10000 + ((static_cast<char32_t>(C) - 0xD800) << 10) + (Text[I + 1] - 0xDC00));
			++I;
		}
		else
		{
			Out.push_back(C);
		}
	}
	return Out;
}

// Walks a line glyph by glyph, giving each glyph and its pen position in 1/64 pixels.
template <typename Visitor>
long WalkLine(FFontCache& Cache, std::u16string_view Text, float Size, EFontWeight Weight, Visitor&& Visit)
{
	long Pen = 0;
	unsigned Previous = 0;
	for (char32_t CodePoint : ToCodePoints(Text))
	{
		const FGlyph& G = Cache.Glyph(Weight, Size, CodePoint);
		Pen += Cache.Kerning(Weight, Size, Previous, G.GlyphIndex);
		Visit(G, Pen);
		Pen += G.Advance26_6;
		Previous = G.GlyphIndex;
	}
	return Pen;
}

float LineWidthUnlocked(FFontCache& Cache, std::u16string_view Text, float Size, EFontWeight Weight)
{
	return std::ceil(WalkLine(Cache, Text, Size, Weight, [](const FGlyph&, long) {}) / 64.0f);
}
} // namespace

std::filesystem::path FindRobotoFace(EFontWeight Weight)
{
	const char* FileName = Weight == EFontWeight::Bold ? "Roboto-Bold.ttf" : "Roboto-Regular.ttf";
	std::vector<std::filesystem::path> Folders;
	if (const char* Override = std::getenv("LEVELWRIGHT_FONT_DIR"); Override && *Override)
	{
		Folders.emplace_back(Override);
	}
	for (const char* Folder : {"/usr/share/fonts/truetype/roboto/unhinted/RobotoTTF", "/usr/share/fonts/truetype/roboto/hinted",
							   "/usr/share/fonts/truetype/roboto/unhinted", "/usr/share/fonts/truetype/roboto"})
	{
		Folders.emplace_back(Folder);
	}
	std::error_code Ec;
	for (const auto& Folder : Folders)
	{
		if (std::filesystem::is_regular_file(Folder / FileName, Ec))
		{
			return Folder / FileName;
		}
	}
	// Other layouts of the package: search the font folders for the file name.
	for (const char* Root : {"/usr/share/fonts", "/usr/local/share/fonts"})
	{
		for (auto It = std::filesystem::recursive_directory_iterator(Root, Ec); !Ec && It != std::filesystem::recursive_directory_iterator();
			 It.increment(Ec))
		{
			if (It->path().filename() == FileName)
			{
				return It->path();
			}
		}
		Ec.clear();
	}
	Fatal(std::string("the font ") + FileName + " was not found (install Debian's fonts-roboto, or set LEVELWRIGHT_FONT_DIR)");
}

float LineHeight(float Size, EFontWeight Weight)
{
	FFontCache& Cache = FFontCache::Get();
	std::lock_guard Guard(Cache.Lock);
	return Cache.VerticalMetrics(Weight, Size).second;
}

FTextMetrics MeasureLine(std::u16string_view Text, float Size, EFontWeight Weight)
{
	FFontCache& Cache = FFontCache::Get();
	std::lock_guard Guard(Cache.Lock);
	return {LineWidthUnlocked(Cache, Text, Size, Weight), Cache.VerticalMetrics(Weight, Size).second};
}

std::vector<std::u16string> WrapText(std::u16string_view Text, float Size, float WrapWidth, EFontWeight Weight)
{
	FFontCache& Cache = FFontCache::Get();
	std::lock_guard Guard(Cache.Lock);
	auto Fits = [&](std::u16string_view Line) { return WrapWidth <= 0 || LineWidthUnlocked(Cache, Line, Size, Weight) <= WrapWidth; };

	std::vector<std::u16string> Lines;
	std::size_t ParagraphStart = 0;
	while (true)
	{
		const std::size_t ParagraphEnd = std::min(Text.find(u'\n', ParagraphStart), Text.size());
		std::u16string_view Paragraph = Text.substr(ParagraphStart, ParagraphEnd - ParagraphStart);
		if (!Paragraph.empty() && Paragraph.back() == u'\r')
		{
			Paragraph.remove_suffix(1);
		}
		std::u16string Line;
		std::size_t Pos = 0;
		bool bAny = false;
		while (Pos < Paragraph.size())
		{
			const std::size_t WordEnd = std::min(Paragraph.find(u' ', Pos), Paragraph.size());
			const std::u16string_view Word = Paragraph.substr(Pos, WordEnd - Pos);
			const std::u16string Candidate = Line.empty() ? std::u16string(Word) : Line + u" " + std::u16string(Word);
			if (Fits(Candidate))
			{
				Line = Candidate;
			}
			else
			{
				if (!Line.empty())
				{
					Lines.push_back(Line);
					bAny = true;
				}
				// A word wider than the whole width is broken between characters.
				Line.clear();
				for (char16_t C : Word)
				{
					if (!Line.empty() && !Fits(Line + C))
					{
						Lines.push_back(Line);
						bAny = true;
						Line.clear();
					}
					Line += C;
				}
			}
			Pos = WordEnd + 1;
		}
		if (!Line.empty() || !bAny)
		{
			Lines.push_back(Line);
		}
		if (ParagraphEnd >= Text.size())
		{
			break;
		}
		ParagraphStart = ParagraphEnd + 1;
	}
	return Lines;
}

FTextMetrics MeasureText(std::u16string_view Text, float Size, float WrapWidth, EFontWeight Weight)
{
	const std::vector<std::u16string> Lines = WrapText(Text, Size, WrapWidth, Weight);
	FTextMetrics Metrics;
	for (const std::u16string& Line : Lines)
	{
		Metrics.Width = std::max(Metrics.Width, MeasureLine(Line, Size, Weight).Width);
	}
	Metrics.Height = LineHeight(Size, Weight) * static_cast<float>(Lines.size());
	return Metrics;
}

void DrawLine(FCanvas& Canvas, std::u16string_view Text, float X, float Y, float Size, FRgba Colour, EFontWeight Weight)
{
	FFontCache& Cache = FFontCache::Get();
	std::lock_guard Guard(Cache.Lock);
	const int Baseline = static_cast<int>(std::lround(Y + Cache.VerticalMetrics(Weight, Size).first));
	const int Origin = static_cast<int>(std::lround(X));
	WalkLine(Cache, Text, Size, Weight, [&](const FGlyph& G, long Pen) {
		const int Left = Origin + static_cast<int>(std::lround(Pen / 64.0)) + G.Left;
		const int Top = Baseline - G.Top;
		for (int Row = 0; Row < G.Rows; ++Row)
		{
			for (int Col = 0; Col < G.Width; ++Col)
			{
				const std::uint8_t Coverage = G.Coverage[static_cast<std::size_t>(Row) * G.Width + Col];
				if (Coverage)
				{
					Canvas.BlendPixel(Left + Col, Top + Row, Colour, Coverage / 255.0f);
				}
			}
		}
	});
}
} // namespace Standin::Slate

// Fonts (type 17): made from a face and size or from a font file, and their attributes.
#include <algorithm>
#include <memory>
#include <vector>

#include "command_context.h"
#include "command_table.h"
#include "font_helpers.h"
#include "font_object.h"

namespace {

// A font the program made, and the windows it was given to.
struct HandedFont {
    HFONT Font;
    std::vector<HWND> Holders;

    bool StillHeld() const
    {
        return std::any_of(Holders.begin(), Holders.end(), [this](HWND window) {
            return ::IsWindow(window) && HFONT(::SendMessageA(window, WM_GETFONT, 0, 0)) == Font;
        });
    }
};

// Fonts that their Font objects let go of while windows may still draw with them: each is deleted
// once none of the windows it was given to holds it any more.
std::vector<HandedFont>& RetiredFonts()
{
    static std::vector<HandedFont> fonts;
    return fonts;
}

void DeleteUnheldFonts()
{
    std::vector<HandedFont>& fonts = RetiredFonts();
    const auto unheld =
        std::stable_partition(fonts.begin(), fonts.end(), [](const HandedFont& f) { return f.StillHeld(); });
    for (auto f = unheld; f != fonts.end(); ++f) ::DeleteObject(f->Font);
    fonts.erase(unheld, fonts.end());
}

class FontPart : public ObjectPart {
public:
    ~FontPart() override
    {
        LetGo();
        RemoveInstalledFile();
    }

    // Null: no font object; a font object without a font: a change that failed.
    CFont* Font() const { return m_font.get(); }
    HFONT Handle() const { return m_font ? m_font->GetHandle() : nullptr; }
    void Take(std::unique_ptr<CFont> font)
    {
        LetGo();
        m_font = std::move(font);
    }
    void GiveTo(HWND window)
    {
        if (std::find(m_holders.begin(), m_holders.end(), window) == m_holders.end()) m_holders.push_back(window);
        ::SendMessageA(window, WM_SETFONT, WPARAM(Handle()), TRUE);
        DeleteUnheldFonts();
    }

    // The font file this object installed; removed from the system's font table when the object
    // installs another, is asked to, or goes.
    const CString& InstalledFile() const { return m_installedFile; }
    void SetInstalledFile(const CString& path) { m_installedFile = path; }
    void RemoveInstalledFile()
    {
        if (!m_installedFile.IsEmpty()) ::RemoveFontResourceA(m_installedFile);
        m_installedFile.Empty();
    }

private:
    void LetGo()
    {
        if (m_font && m_font->GetSafeHandle())
            RetiredFonts().push_back({HFONT(m_font->Detach()), std::move(m_holders)});
        m_font.reset();
        m_holders.clear();
        DeleteUnheldFonts();
    }

    std::unique_ptr<CFont> m_font;
    std::vector<HWND> m_holders;
    CString m_installedFile;
};

// The description of the object's font; false without a font that can be read.
bool ReadFont(const CommandContext& ctx, LOGFONTA* description)
{
    const FontPart* part = ctx.FindPart<FontPart>();
    return part && part->Font() && part->Font()->GetSafeHandle() && part->Font()->GetLogFont(description) > 0;
}

std::unique_ptr<CFont> MakePointFont(const CString& face, int points)
{
    return std::unique_ptr<CFont>(CreateFontEx(face, points, FW_DONTCARE, false, false, false, true));
}

// On/off attributes: -1 the opposite of now, 0 off, anything else on.
BYTE Switched(int flag, BYTE now)
{
    if (flag == -1) return now ? 0 : 1;
    return flag != 0 ? 1 : 0;
}

// The setters: the font is made again from its description with one field changed. A font that
// cannot be made leaves the object with a font object holding none.
template <class Change>
void ChangeFont(CommandContext& ctx, Change change)
{
    ctx.SetTruth(false);
    LOGFONTA description = {};
    if (!ReadFont(ctx, &description)) return;
    change(description);
    auto font = std::make_unique<CFont>();
    const bool made = font->CreateFontIndirect(&description) != FALSE;
    ctx.EnsurePart<FontPart>().Take(std::move(font));
    ctx.SetTruth(made);
}

void Font_Create(CommandContext& ctx)
{
    const CString face = ctx.Text();
    const int points = ctx.Int();
    ctx.SetTruth(false);
    FontPart& part = ctx.EnsurePart<FontPart>();
    part.Take(MakePointFont(face, points));
    ctx.SetTruth(part.Handle() != nullptr);
}

void Font_GetFaceName(CommandContext& ctx)
{
    LOGFONTA description = {};
    if (ReadFont(ctx, &description)) ctx.SetResult(description.lfFaceName);
}

void Font_GetQuality(CommandContext& ctx)
{
    LOGFONTA description = {};
    if (!ReadFont(ctx, &description)) return;
    switch (description.lfQuality) {
    case NONANTIALIASED_QUALITY: ctx.SetResult("NONANTIALIAS"); break;
    case ANTIALIASED_QUALITY: ctx.SetResult("ANTIALIAS"); break;
    default: ctx.SetResult("DEFAULT"); break;
    }
}

void Font_GetSize(CommandContext& ctx)
{
    LOGFONTA description = {};
    ctx.SetInt(ReadFont(ctx, &description) ? -MulDiv(description.lfHeight, 72, ScreenPixelsPerInchY()) : 0);
}

template <class Field>
void AnswerAttribute(CommandContext& ctx, Field field)
{
    LOGFONTA description = {};
    ctx.SetTruth(ReadFont(ctx, &description) && field(description));
}

void Font_IsBold(CommandContext& ctx)
{
    AnswerAttribute(ctx, [](const LOGFONTA& f) { return f.lfWeight == FW_BOLD; });
}

void Font_IsItalic(CommandContext& ctx)
{
    AnswerAttribute(ctx, [](const LOGFONTA& f) { return f.lfItalic != 0; });
}

void Font_IsStrikeOut(CommandContext& ctx)
{
    AnswerAttribute(ctx, [](const LOGFONTA& f) { return f.lfStrikeOut != 0; });
}

void Font_IsUnderline(CommandContext& ctx)
{
    AnswerAttribute(ctx, [](const LOGFONTA& f) { return f.lfUnderline != 0; });
}

// Installs the file, then makes the font. Until both have worked, the object keeps its font and
// the file it installed before.
void Font_CreateFromFile(CommandContext& ctx)
{
    const CString path = ctx.Text();
    const CString face = ctx.Text();
    const int points = ctx.Int();
    ctx.SetTruth(false);
    if (::AddFontResourceA(path) == 0) return;
    std::unique_ptr<CFont> font = MakePointFont(face, points);
    if (!font) {
        ::RemoveFontResourceA(path);
        return;
    }
    FontPart& part = ctx.EnsurePart<FontPart>();
    part.Take(std::move(font));
    part.RemoveInstalledFile();
    part.SetInstalledFile(path);
    ctx.SetTruth(true);
}

void Font_SetBold(CommandContext& ctx)
{
    const int flag = ctx.Int();
    ChangeFont(ctx, [flag](LOGFONTA& f) {
        if (flag == -1)
            f.lfWeight = f.lfWeight == FW_NORMAL ? FW_BOLD : FW_NORMAL;
        else
            f.lfWeight = flag == 0 ? FW_NORMAL : FW_BOLD;
    });
}

void Font_SetItalic(CommandContext& ctx)
{
    const int flag = ctx.Int();
    ChangeFont(ctx, [flag](LOGFONTA& f) { f.lfItalic = Switched(flag, f.lfItalic); });
}

void Font_SetQuality(CommandContext& ctx)
{
    const CString quality = ctx.Text();
    ChangeFont(ctx, [&quality](LOGFONTA& f) {
        f.lfQuality = quality == "ANTIALIAS"      ? ANTIALIASED_QUALITY
                      : quality == "NONANTIALIAS" ? NONANTIALIASED_QUALITY
                                                  : DEFAULT_QUALITY;
    });
}

void Font_SetSize(CommandContext& ctx)
{
    const int points = ctx.Int();
    ChangeFont(ctx, [points](LOGFONTA& f) { f.lfHeight = -MulDiv(points, ScreenPixelsPerInchY(), 72); });
}

void Font_SetStrikeOut(CommandContext& ctx)
{
    const int flag = ctx.Int();
    ChangeFont(ctx, [flag](LOGFONTA& f) { f.lfStrikeOut = Switched(flag, f.lfStrikeOut); });
}

void Font_SetUnderline(CommandContext& ctx)
{
    const int flag = ctx.Int();
    ChangeFont(ctx, [flag](LOGFONTA& f) { f.lfUnderline = Switched(flag, f.lfUnderline); });
}

void Font_RemoveFile(CommandContext& ctx)
{
    if (FontPart* part = ctx.FindPart<FontPart>()) part->RemoveInstalledFile();
}

constexpr CommandEntry kFont[] = {
    {2, "Font_Create", Font_Create},  // after the shared commands 0 and 1
    {3, "Font_GetFaceName", Font_GetFaceName},
    {4, "Font_GetQuality", Font_GetQuality},
    {5, "Font_GetSize", Font_GetSize},
    {6, "Font_IsBold", Font_IsBold},
    {7, "Font_IsItalic", Font_IsItalic},
    {8, "Font_IsStrikeOut", Font_IsStrikeOut},
    {9, "Font_IsUnderline", Font_IsUnderline},
    {10, "Font_CreateFromFile", Font_CreateFromFile},
    {11, "Font_SetBold", Font_SetBold},
    {12, "Font_SetItalic", Font_SetItalic},
    {13, "Font_SetQuality", Font_SetQuality},
    {14, "Font_SetSize", Font_SetSize},
    {15, "Font_SetStrikeOut", Font_SetStrikeOut},
    {16, "Font_SetUnderline", Font_SetUnderline},
    {17, "Font_RemoveFile", Font_RemoveFile},
};
static_assert(NumbersOwnCommands(kFont, qbk::TypeFont, 17));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeFont, kFont)};

}  // namespace

HFONT FontOfObject(const ObjectRecord* fontObject)
{
    const FontPart* part = fontObject && fontObject->Type == qbk::TypeFont ? fontObject->FindPart<FontPart>() : nullptr;
    return part ? part->Handle() : nullptr;
}

bool GiveFont(ObjectRecord& fontObject, HWND window)
{
    FontPart* part = fontObject.Type == qbk::TypeFont ? fontObject.FindPart<FontPart>() : nullptr;
    if (!part || !part->Handle() || !window) return false;
    part->GiveTo(window);
    return true;
}

void ReplaceObjectFont(ObjectRecord& fontObject, std::unique_ptr<CFont> font)
{
    if (fontObject.Type == qbk::TypeFont) fontObject.EnsurePart<FontPart>().Take(std::move(font));
}

extern const CommandFamily kFontFamily("Font", kLists);

#include "value_commands.h"

#include <string>

#include "string_tokenizer.h"
#include "value_format.h"

namespace {

// Pulls one real argument, then applies op to the value; the result is the new value, or "0".
template <class Op>
void Update(CommandContext& ctx, NumberValue value, bool withArgument, Op op)
{
    const double argument = withArgument ? ctx.Real() : 0.0;
    double* number = value(ctx);
    if (!number) return ctx.SetResult("0");
    *number = op(*number, argument);
    ctx.SetReal(*number);
}

}  // namespace

void NumberAdd(CommandContext& ctx, NumberValue value)
{
    Update(ctx, value, true, [](double v, double a) { return a + v; });
}
void NumberIncrement(CommandContext& ctx, NumberValue value)
{
    Update(ctx, value, false, [](double v, double) { return v + 1; });
}
void NumberDivide(CommandContext& ctx, NumberValue value)
{
    Update(ctx, value, true, [](double v, double a) { return v / a; });
}
void NumberMultiply(CommandContext& ctx, NumberValue value)
{
    Update(ctx, value, true, [](double v, double a) { return a * v; });
}
void NumberSet(CommandContext& ctx, NumberValue value)
{
    Update(ctx, value, true, [](double, double a) { return a; });
}
void NumberSubtract(CommandContext& ctx, NumberValue value)
{
    Update(ctx, value, true, [](double v, double a) { return v - a; });
}
void NumberDecrement(CommandContext& ctx, NumberValue value)
{
    Update(ctx, value, false, [](double v, double) { return v - 1; });
}

void NumberGet(CommandContext& ctx, NumberValue value)
{
    const double* number = value(ctx);
    if (number)
        ctx.SetReal(*number);
    else
        ctx.SetResult("0");
}

void NumberGetInt(CommandContext& ctx, NumberValue value)
{
    const double* number = value(ctx);
    ctx.SetInt(number ? TruncateToInt(*number) : 0);
}

int ReplaceAll(CString& text, const CString& search, const CString& replacement)
{
    const std::string& source = text.Str();
    const std::string& find = search.Str();
    if (find.empty()) return 0;
    std::string out;
    int count = 0;
    size_t position = 0;
    for (size_t at; position < source.size() && (at = source.find(find, position)) != std::string::npos;) {
        out.append(source, position, at - position);
        out += replacement.Str();
        position = at + find.size();
        ++count;
    }
    if (count == 0) return 0;
    out.append(source, position, std::string::npos);
    text = CString(out);
    return count;
}

CString MidOf(const CString& text, int start, int count)
{
    if (start < 0 || start > text.GetLength()) start = 0;
    return count == -1 ? text.Mid(start) : text.Mid(start, count);
}

void TextAppend(CommandContext& ctx, TextValue value)
{
    const CString argument = ctx.Text();
    if (CString* text = value(ctx)) {
        *text += argument;
        ctx.SetResult(*text);
    }
}

// The position of the argument's first byte searched forwards or backwards; "-1" when absent.
void FindFirstByte(CommandContext& ctx, TextValue value, bool last)
{
    const CString argument = ctx.Text();
    const CString* text = value(ctx);
    const int found = !text || argument.IsEmpty() ? -1
                      : last                      ? text->ReverseFind(argument[0])
                                                  : text->Find(argument[0]);
    ctx.SetInt(found);
}

void TextFindChar(CommandContext& ctx, TextValue value) { FindFirstByte(ctx, value, false); }
void TextReverseFindChar(CommandContext& ctx, TextValue value) { FindFirstByte(ctx, value, true); }

void TextFind(CommandContext& ctx, TextValue value)
{
    const CString argument = ctx.Text();
    const CString* text = value(ctx);
    ctx.SetInt(!text || argument.IsEmpty() ? -1 : text->Find(argument.GetString()));
}

void TextGet(CommandContext& ctx, TextValue value)
{
    if (const CString* text = value(ctx)) ctx.SetResult(*text);
}

void TextGetCharAt(CommandContext& ctx, TextValue value)
{
    const int position = ctx.Int();
    const CString* text = value(ctx);
    if (text && position >= 0 && position < text->GetLength()) ctx.SetResult(CString((*text)[position]));
}

void TextGetLength(CommandContext& ctx, TextValue value)
{
    const CString* text = value(ctx);
    ctx.SetInt(text ? text->GetLength() : 0);
}

void TextReplace(CommandContext& ctx, TextValue value)
{
    const CString search = ctx.Text();
    const CString replacement = ctx.Text();
    CString* text = value(ctx);
    ctx.SetInt(text ? ReplaceAll(*text, search, replacement) : 0);
}

void TextSet(CommandContext& ctx, TextValue value)
{
    const CString argument = ctx.Text();
    if (CString* text = value(ctx)) *text = argument;
}

void TextSetCharAt(CommandContext& ctx, TextValue value)
{
    const int position = ctx.Int();
    const CString character = ctx.Text();
    CString* text = value(ctx);
    if (!text || character.IsEmpty() || position < 0 || position >= text->GetLength()) return;
    text->SetAt(position, character[0]);
    ctx.SetResult(*text);
}

void TextSplit(CommandContext& ctx, TextValue value)
{
    const int listId = ctx.Int();
    const CString separators = ctx.Text();
    const CString quote = ctx.Text();
    const int keepQuotes = ctx.Int();
    const int trim = ctx.Int();
    ObjectRecord* list = ctx.FindObject(listId, qbk::TypeStringList);
    const CString* text = value(ctx);
    if (!list || !text) return;
    uint32_t flags = 0;
    char quoteChar = '\0';
    if (!quote.IsEmpty()) {
        quoteChar = quote[0];
        flags = CStringTokenizer::kQuotes;
        if (keepQuotes != 0) flags |= CStringTokenizer::kKeepQuotes;
    }
    if (trim != 0) flags |= CStringTokenizer::kTrimBlanks;
    CStringTokenizer tokenizer(*text);
    tokenizer.Split(separators, quoteChar, flags);
    list->TextList.Append(tokenizer.GetTokens());
}

void TextMid(CommandContext& ctx, TextValue value)
{
    const int start = ctx.Int();
    const int count = ctx.Int();
    if (const CString* text = value(ctx)) ctx.SetResult(MidOf(*text, start, count));
}

void TextMakeLower(CommandContext& ctx, TextValue value)
{
    if (CString* text = value(ctx)) ctx.SetResult(text->MakeLower());
}

void TextMakeUpper(CommandContext& ctx, TextValue value)
{
    if (CString* text = value(ctx)) ctx.SetResult(text->MakeUpper());
}

// The commands that the per-run local variables (types 19 and 20) and the variable objects
// (types 28 and 39) share: the same work on a number or a text, which each family finds its own
// way. Each command pulls its arguments first, then asks for the value: null means the value is
// missing, and the command gives its failure result.
#pragma once

#include "command_context.h"

using NumberValue = double* (*)(CommandContext& ctx);
using TextValue = CString* (*)(CommandContext& ctx);

// Number commands: the new value as the result (Get: the value, GetInt: its integer part); "0"
// when the value is missing.
void NumberAdd(CommandContext& ctx, NumberValue value);
void NumberIncrement(CommandContext& ctx, NumberValue value);
void NumberDivide(CommandContext& ctx, NumberValue value);
void NumberGet(CommandContext& ctx, NumberValue value);
void NumberGetInt(CommandContext& ctx, NumberValue value);
void NumberMultiply(CommandContext& ctx, NumberValue value);
void NumberSet(CommandContext& ctx, NumberValue value);
void NumberSubtract(CommandContext& ctx, NumberValue value);
void NumberDecrement(CommandContext& ctx, NumberValue value);

// Text commands; positions count bytes from 0.
void TextAppend(CommandContext& ctx, TextValue value);
void TextFindChar(CommandContext& ctx, TextValue value);
void TextFind(CommandContext& ctx, TextValue value);
void TextGet(CommandContext& ctx, TextValue value);
void TextGetCharAt(CommandContext& ctx, TextValue value);
void TextGetLength(CommandContext& ctx, TextValue value);
void TextReplace(CommandContext& ctx, TextValue value);
void TextReverseFindChar(CommandContext& ctx, TextValue value);
void TextSet(CommandContext& ctx, TextValue value);
void TextSetCharAt(CommandContext& ctx, TextValue value);
void TextSplit(CommandContext& ctx, TextValue value);
void TextMid(CommandContext& ctx, TextValue value);
void TextMakeLower(CommandContext& ctx, TextValue value);
void TextMakeUpper(CommandContext& ctx, TextValue value);

// Replaces every occurrence of search (not empty) from the start, going on behind each inserted
// replacement; answers the number of replacements.
int ReplaceAll(CString& text, const CString& search, const CString& replacement);
// The part of text from start (0 when outside the text) of count bytes (-1: to the end).
CString MidOf(const CString& text, int start, int count);

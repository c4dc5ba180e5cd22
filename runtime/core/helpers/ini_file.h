// The runtime's INI files, held as three parallel text arrays (section, key, value), one row per
// section line (empty key and value), per key line and per other non-blank line (a comment: empty
// key, the line as value), in file order. Names compare exactly, case counting.
#pragma once

#include "fw_array.h"
#include "fw_string.h"

// Fills the arrays from the file. Lines end at CR LF, CR or LF; blanks (spaces) around a line are
// cut and blank lines dropped. Answers -1 when the file cannot be read or is empty, else bit 0 set
// when the wanted section has no section line and bit 1 set when no key line of it has the
// wanted key (0: both found).
int ReadIniFile(const CString& path, CStringArray& sections, CStringArray& keys, CStringArray& values,
                const CString& wantedSection, const CString& wantedKey);

// Writes the rows back, the file emptied first: a row whose section differs from the one before
// starts a section line "[name]" (preceded by an empty line but for the first line of the file);
// rows before any section (empty name) are written without a section line; a key row gives
// key=value, a comment row its text. False, with the old file as it was, when the new one cannot
// be written completely.
bool WriteIniFile(const CString& path, const CStringArray& sections, const CStringArray& keys,
                  const CStringArray& values);

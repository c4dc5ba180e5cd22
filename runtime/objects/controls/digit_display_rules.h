// The rules of the digit display, free of any drawing interface: the text a value shows in so many
// digit cells, the strip cell of each character, and how many cells fit a width.
#pragma once

#include <string>

namespace qbk {

constexpr int kDigitStripCells = 12;  // 0 to 9, a blank (10) and a minus sign (11)
constexpr int kBlankCell = 10, kMinusCell = 11;
constexpr int kMinDigits = 1, kMaxDigits = 10;

// The value right-aligned in `digits` characters; a wider number loses its leftmost characters.
std::string DigitText(int value, int digits);

// The strip cell of a character of that text: blanks in front show 0 when leading zeros are on and
// the value is not negative, else the blank cell.
int DigitCell(char c, bool leadingZeros, int value);

int ClampDigits(int digits);
// How many cells of cellWidth fit width, 1 to 10; 0 for a strip too narrow to have cells.
int DigitsForWidth(int width, int cellWidth);

}  // namespace qbk

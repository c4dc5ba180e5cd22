// What the tests' printer (cmake/printer.sh) printed: the PDF of the last job, waited for and read
// back with poppler's tools as text, as a page count and as pixels.
#pragma once

#include <windows.h>

#include <string>

#include "win_test_support.h"

namespace qbktest {

// False when the test runs without the printer (the runner did not point at its scheduler).
bool HasPrinter();
// Forgets the last job's PDF, so that the next one can be told from it.
void ForgetPrintout();
// Waits until the next job's PDF is complete.
bool WaitForPrintout(DWORD timeoutMs = 30000);
// Its text, each page ending in a form feed; with layout, columns kept as printed.
std::string PrintedText(bool layout = false);
int PrintedPages();
// One page (from 1) rendered at dpi dots per inch.
zvtest::Image PrintedPage(int page, int dpi);

}  // namespace qbktest

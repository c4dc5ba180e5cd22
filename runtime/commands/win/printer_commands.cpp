// Printing (type 33): margins, rich text, images, text files and streams.
#include "command_table.h"

namespace {

constexpr CommandEntry kPrinter[] = {
    {2, "Printer_GetBottomMargin"},  // after the shared commands 0 and 1
    {3, "Printer_GetLeftMargin"},   {4, "Printer_GetRightMargin"},   {5, "Printer_GetTopMargin"},
    {6, "Printer_PrintRichEdit"},   {7, "Printer_PrintImage"},       {8, "Printer_PrintTextFile"},
    {9, "Printer_PrintStream"},     {10, "Printer_SetBottomMargin"}, {11, "Printer_SetLeftMargin"},
    {12, "Printer_SetRightMargin"}, {13, "Printer_SetTopMargin"},
};
static_assert(NumbersOwnCommands(kPrinter, qbk::TypePrinter, 13));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypePrinter, kPrinter)};

}  // namespace

extern const CommandFamily kPrinterFamily("Printer", kLists);

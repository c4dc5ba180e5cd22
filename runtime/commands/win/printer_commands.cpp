// Printing (type 33): margins, rich text, images, text files and streams, each printed as a job of
// its own that starts with the print dialog and keeps the script's window disabled while it runs.
#include <memory>

#include "command_context.h"
#include "command_table.h"
#include "data_stream_commands.h"
#include "fw_wnd.h"
#include "object_image.h"
#include "print_job_part.h"
#include "value_format.h"

namespace {

CPrintJob* Job(const CommandContext& ctx)
{
    PrintJobPart* part = ctx.FindPart<PrintJobPart>();
    return part ? &part->Job : nullptr;
}

// The job, its owner set to the script's window; null when the object has no job.
CPrintJob* OwnedJob(const CommandContext& ctx)
{
    CPrintJob* job = Job(ctx);
    if (!job) return nullptr;
    const CWnd* window = ctx.Window().Self() ? ctx.Window().Self()->WindowObject : nullptr;
    job->SetOwner(window ? window->GetSafeHwnd() : nullptr);
    return job;
}

template <double qbk::PrintMargins::*Side>
void GetMargin(CommandContext& ctx)
{
    if (const CPrintJob* job = Job(ctx)) ctx.SetResult(DoubleToString(job->Margins().*Side));
}

template <double qbk::PrintMargins::*Side>
void SetMargin(CommandContext& ctx)
{
    const double margin = ctx.Real();
    if (CPrintJob* job = Job(ctx)) job->Margins().*Side = margin;
}

void Printer_PrintRichEdit(CommandContext& ctx)
{
    const ObjectRecord* edit = ctx.FindObject(ctx.Int(), qbk::TypeRichEdit);
    ctx.SetTruth(false);
    const HWND control = edit && edit->WindowObject ? edit->WindowObject->GetSafeHwnd() : nullptr;
    if (!control) return;
    if (CPrintJob* job = OwnedJob(ctx)) ctx.SetTruth(job->PrintRichEdit(control));
}

void Printer_PrintImage(CommandContext& ctx)
{
    const ObjectRecord* bitmap = ctx.FindObject(ctx.Int(), qbk::TypeBitmap);
    const double x = ctx.Real(), y = ctx.Real(), maxWidth = ctx.Real(), maxHeight = ctx.Real();
    const int sourceX = ctx.Int(), sourceY = ctx.Int(), sourceWidth = ctx.Int(), sourceHeight = ctx.Int();
    ctx.SetTruth(false);
    const CImageBitmap* image = ObjectImage(bitmap);
    if (!image || !image->GetSafeHandle()) return;
    CPrintJob* job = OwnedJob(ctx);
    if (!job || !job->BeginJob()) return;
    CPrintPage* page = job->NewPage();
    std::unique_ptr<CDC> source(image->CreateMemDC());
    const bool printed =
        page && source &&
        page->PrintImage(source.get(), x, y, maxWidth, maxHeight, sourceX, sourceY, sourceWidth, sourceHeight);
    source.reset();
    job->EndPage(page);
    // A document that did not end well was not printed either.
    const bool ended = job->EndJob();
    ctx.SetTruth(printed && ended);
}

void Printer_PrintTextFile(CommandContext& ctx)
{
    const CString path = ctx.Text();
    ctx.SetTruth(false);
    if (CPrintJob* job = OwnedJob(ctx)) ctx.SetTruth(job->PrintTextFile(path));
}

void Printer_PrintStream(CommandContext& ctx)
{
    CMemFile* stream = FindDataStream(ctx.FindObject(ctx.Int()));
    ctx.SetTruth(false);
    if (!stream || !Job(ctx)) return;
    const ULONGLONG position = stream->GetPosition();
    ctx.SetTruth(OwnedJob(ctx)->PrintStream(stream));
    stream->Seek(LONGLONG(position), CFile::begin);
}

constexpr CommandEntry kPrinter[] = {
    {2, "Printer_GetBottomMargin", GetMargin<&qbk::PrintMargins::bottom>},  // after the shared commands 0 and 1
    {3, "Printer_GetLeftMargin", GetMargin<&qbk::PrintMargins::left>},
    {4, "Printer_GetRightMargin", GetMargin<&qbk::PrintMargins::right>},
    {5, "Printer_GetTopMargin", GetMargin<&qbk::PrintMargins::top>},
    {6, "Printer_PrintRichEdit", Printer_PrintRichEdit},
    {7, "Printer_PrintImage", Printer_PrintImage},
    {8, "Printer_PrintTextFile", Printer_PrintTextFile},
    {9, "Printer_PrintStream", Printer_PrintStream},
    {10, "Printer_SetBottomMargin", SetMargin<&qbk::PrintMargins::bottom>},
    {11, "Printer_SetLeftMargin", SetMargin<&qbk::PrintMargins::left>},
    {12, "Printer_SetRightMargin", SetMargin<&qbk::PrintMargins::right>},
    {13, "Printer_SetTopMargin", SetMargin<&qbk::PrintMargins::top>},
};
static_assert(NumbersOwnCommands(kPrinter, qbk::TypePrinter, 13));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypePrinter, kPrinter)};

}  // namespace

extern const CommandFamily kPrinterFamily("Printer", kLists);

// The one list of the command families. A family's own file (named after its types, in this
// folder or, when its handlers need the Windows interface, in win/) holds its tables and handlers;
// adding a family adds its declaration and its line here.
#include "command_families.h"

extern const CommandFamily kObjectFamily;
extern const CommandFamily kFlowFamily;
extern const CommandFamily kApplicationFamily;
extern const CommandFamily kLocalVariableFamily;
extern const CommandFamily kNumberArrayVariableFamily;
extern const CommandFamily kObjectReferenceListFamily;
extern const CommandFamily kMathFamily;
extern const CommandFamily kTimeFamily;
extern const CommandFamily kTextVariableFamily;
extern const CommandFamily kTextFileFamily;
extern const CommandFamily kIniFileFamily;
extern const CommandFamily kDataStreamFamily;
extern const CommandFamily kByteBufferFamily;
extern const CommandFamily kRecordTableFamily;
extern const CommandFamily kStringListFamily;
#ifdef _WIN32
extern const CommandFamily kControlFamily;
extern const CommandFamily kWindowFamily;
extern const CommandFamily kFileSystemFamily;
extern const CommandFamily kKeyboardMouseFamily;
extern const CommandFamily kMessageBoxSystemFamily;
extern const CommandFamily kRegistryFamily;
extern const CommandFamily kDllCallFamily;
extern const CommandFamily kExtensionFamily;
extern const CommandFamily kDrawingToolFamily;
extern const CommandFamily kBitmapFamily;
extern const CommandFamily kFontFamily;
extern const CommandFamily kPrinterFamily;
extern const CommandFamily kMenuFamily;
extern const CommandFamily kInternetSocketFamily;
extern const CommandFamily kSerialPortFamily;
extern const CommandFamily kMidiPlayerFamily;
extern const CommandFamily kCdAudioWaveSoundFamily;
extern const CommandFamily kMediaDvdVideoFamily;
extern const CommandFamily kAnimationFamily;
extern const CommandFamily kTrayIconToolTipFamily;
extern const CommandFamily kFileDialogFamily;
extern const CommandFamily kPdfViewerWebBrowserFlashMovieFamily;
extern const CommandFamily kButtonFamily;
extern const CommandFamily kEditBoxRichEditFamily;
extern const CommandFamily kComboBoxListBoxFamily;
extern const CommandFamily kPictureShapedImageProgressBarFamily;
extern const CommandFamily kScrollBarSliderPanelFamily;
extern const CommandFamily kTabControlScrollingWindowToolBarFamily;
extern const CommandFamily kMdiWindowFamily;
extern const CommandFamily kGridFamily;
extern const CommandFamily kListViewFamily;
extern const CommandFamily kCustomListViewFamily;
extern const CommandFamily kTreeViewFamily;
#endif

namespace {

const CommandFamily* const kFamilies[] = {
    &kObjectFamily,
    &kFlowFamily,
    &kApplicationFamily,
    &kLocalVariableFamily,
    &kNumberArrayVariableFamily,
    &kObjectReferenceListFamily,
    &kMathFamily,
    &kTimeFamily,
    &kTextVariableFamily,
    &kTextFileFamily,
    &kIniFileFamily,
    &kDataStreamFamily,
    &kByteBufferFamily,
    &kRecordTableFamily,
    &kStringListFamily,
#ifdef _WIN32
    &kControlFamily,
    &kWindowFamily,
    &kFileSystemFamily,
    &kKeyboardMouseFamily,
    &kMessageBoxSystemFamily,
    &kRegistryFamily,
    &kDllCallFamily,
    &kExtensionFamily,
    &kDrawingToolFamily,
    &kBitmapFamily,
    &kFontFamily,
    &kPrinterFamily,
    &kMenuFamily,
    &kInternetSocketFamily,
    &kSerialPortFamily,
    &kMidiPlayerFamily,
    &kCdAudioWaveSoundFamily,
    &kMediaDvdVideoFamily,
    &kAnimationFamily,
    &kTrayIconToolTipFamily,
    &kFileDialogFamily,
    &kPdfViewerWebBrowserFlashMovieFamily,
    &kButtonFamily,
    &kEditBoxRichEditFamily,
    &kComboBoxListBoxFamily,
    &kPictureShapedImageProgressBarFamily,
    &kScrollBarSliderPanelFamily,
    &kTabControlScrollingWindowToolBarFamily,
    &kMdiWindowFamily,
    &kGridFamily,
    &kListViewFamily,
    &kCustomListViewFamily,
    &kTreeViewFamily,
#endif
};

}  // namespace

CommandTable MakeScriptCommandTable()
{
    CommandTable table;
    for (const CommandFamily* family : kFamilies) table.Add(*family);
    return table;
}

const CommandTable& GetScriptCommandTable()
{
    static const CommandTable table = MakeScriptCommandTable();
    return table;
}

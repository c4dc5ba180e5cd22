// Edit boxes and rich edit controls driven by a running project's scripts: lines, selection,
// limits, clipboard and undo, text loaded from and saved to files and embedded files, searching,
// streams of plain and rich text, and character formats.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "project_run.h"
#include "script_steps.h"
#include "script_test_fixture.h"
#include "type_command_words.h"

namespace {

using qbktest::Do;
using qbktest::Note;
using qbktest::ProjectRun;
using qbktest::Step;

const char* const kNewLine = "@Application.GetNewLine()";

std::string Project(const std::string& objects, const std::vector<Step>& steps)
{
    return R"(
window MAIN
  caption "E"
  style 0x100B0001
  rect 0 0 420 300
)" + objects +
           qbktest::TimerScript({qbktest::ScriptLines(steps, "MAIN", 8)}) +
           R"(file "notes.txt" text "Embedded notes"
file "doc.rtf" text "{\\rtf1 {\\b Rich} text}"
)";
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFile(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

const char* const kRichEdit = R"(
  object RichEdit rich
    caption ""
    rect 10 10 300 120
    style 0x50A10044
)";

// A file of the run's folder, named in a script.
std::string InFolder(const std::string& name) { return "@Application.GetFolder() & \"" + name + "\""; }

TEST(EditBoxCommands, LinesSelectionClipboardUndoAndFiles)
{
    const std::string nl = kNewLine;
    const std::vector<Step> steps = {
        Do("@memo.SetText(\"alpha\" & " + nl + " & \"beta\" & " + nl + " & " + nl + " & \"delta\")"),
        Note("@memo.GetLineCount()", "4"),
        Note("@memo.GetLine(1)", "beta"),
        Note("@memo.GetLine(2)", ""),
        // Lines the box does not have.
        Note("@memo.GetLine(4)", ""),
        Note("@memo.GetLine(-1)", ""),
        Note("@memo.GetLineLength(3)", "5"),
        Note("@memo.GetLineLength(2)", "0"),
        Note("@memo.GetLineLength(9)", "-1"),
        Note("@memo.GetLineLength(-1)", "-1"),
        Do("@memo.SetSel(2, 4)"),
        Note("@memo.GetSelStart()", "2"),
        Note("@memo.GetSelEnd()", "4"),
        // A replacement that cannot be undone.
        Do("@memo.ReplaceSel(\"XY\")"),
        Do("@memo.Undo()"),
        Note("@memo.GetLine(0)", "alXYa"),
        Do("@memo.SetSel(0, 2)"),
        Do("@memo.Copy()"),
        Do("@memo.SetSel(5, 5)"),
        Do("@memo.Paste()"),
        Note("@memo.GetLine(0)", "alXYaal"),
        Do("@memo.SetSel(0, 2)"),
        Do("@memo.Cut()"),
        Note("@memo.GetLine(0)", "XYaal"),
        Do("@memo.SetSel(0, 2)"),
        Do("@memo.Clear()"),
        Note("@memo.GetLine(0)", "aal"),
        // Deletions one after the other at one place are undone together.
        Do("@memo.Undo()"),
        Note("@memo.GetLine(0)", "alXYaal"),
        Do("@memo.Limittext(50)"),
        Note("@memo.GetLimitText()", "50"),
        Note("@memo.GetFirstVisibleLine()", "0"),
        Do("@memo.SetText(\"1\" & " + nl + " & \"2\" & " + nl + " & \"3\" & " + nl + " & \"4\" & " + nl +
           " & \"5\" & " + nl + " & \"6\" & " + nl + " & \"7\" & " + nl + " & \"8\")"),
        Do("@memo.Linescroll(2)"),
        Note("@memo.GetFirstVisibleLine()", "2"),
        Do("@memo.SaveFile(" + InFolder("saved.txt") + ")"),
        // Loading stops at a zero byte; a file that is not there empties the box.
        Do("@memo.LoadFile(" + InFolder("zero.txt") + ")"),
        Note("@memo.GetText()", "one"),
        Do("@memo.LoadFile(" + InFolder("missing.txt") + ")"),
        Note("@memo.GetText()", ""),
        Do("@memo.LoadEmbedded(\"Notes.txt\")"),
        Note("@memo.GetText()", "Embedded notes"),
        Do("@memo.LoadEmbedded(\"absent.txt\")"),
        Note("@memo.GetText()", "Embedded notes"),
        Do("@memo.SaveFile(" + InFolder("nofolder\\\\x.txt") + ")"),
    };
    ProjectRun run(Project(R"(
  object EditBox memo
    caption ""
    rect 10 10 200 60
    style 0x50A10044
)",
                           steps));
    WriteFile(run.Folder() + "zero.txt", std::string("one\0two", 7));
    ASSERT_NE(qbktest::RunSteps(run, "MAIN", "E", steps), nullptr);
    EXPECT_EQ(ReadFile(run.Folder() + "saved.txt"), "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8");
}

TEST(RichEditCommands, SearchSelectionLinesStateAndClipboard)
{
    const std::string nl = kNewLine;
    const std::vector<Step> steps = {
        Do("@rich.SetText(\"Hello world, hello moon\")"),
        Note("@rich.FindText(\"hello\", 0, -1, 1)", "13"),
        Note("@rich.FindText(\"hello\", 0, -1, 2)", "0"),
        Note("@rich.FindText(\"Hello\", 1, -1, 1)", "-1"),
        Note("@rich.FindText(\"xyz\", 0, -1, 0)", "-1"),
        Do("@rich.SetSel(6, 11)"),
        Note("@rich.GetSelStart()", "6"),
        Note("@rich.GetSelEnd()", "11"),
        Note("@rich.GetSelText()", "world"),
        Note("@rich.GetSelTextLength()", "5"),
        Note("@rich.GetTextLength()", "23"),
        Note("@rich.ExLineFromChar(3)", "0"),
        Do("@rich.Cut()"),
        Note("@rich.GetText()", "Hello , hello moon"),
        Do("@rich.Undo()"),
        Note("@rich.GetText()", "Hello world, hello moon"),
        Do("@rich.Redo()"),
        Note("@rich.GetText()", "Hello , hello moon"),
        Do("@rich.SetSel(0, 5)"),
        Do("@rich.Copy()"),
        Do("@rich.SetSel(6, 6)"),
        Do("@rich.Paste()"),
        Do("@rich.SetSel(0, 1)"),
        Do("@rich.Clear()"),
        Do("@rich.SetSel(0, 4)"),
        Do("@rich.ReplaceSel(\"J\")"),
        Note("@rich.GetText()", "J Hello, hello moon"),
        Do("@rich.SetText(\"a\" & " + nl + " & \"bb\")"),
        Note("@rich.GetLineCount()", "2"),
        Note("@rich.GetLine(1)", "bb"),
        Note("@rich.GetLine(0)", "a"),
        Note("@rich.GetLine(5)", ""),
        Note("@rich.GetLineLength(1)", "2"),
        Note("@rich.GetLineLength(5)", "-1"),
        Note("@rich.LineIndex(1)", "2"),
        Note("@rich.LineIndex(5)", "-1"),
        Do("@rich.SetModify(0)"),
        Note("@rich.GetModify()", "0"),
        Do("@rich.SetModify(1)"),
        Note("@rich.GetModify()", "1"),
        Do("@rich.SetModify(-1)"),
        Note("@rich.GetModify()", "0"),
        Do("@rich.SetModify(-1)"),
        Note("@rich.GetModify()", "1"),
        Do("@rich.LimitText(10)"),
        Note("@rich.GetLimitText()", "10"),
        Do("@rich.SetReadOnly(1)"),
        Do("@rich.SetReadOnly(-1)"),
        Do("@rich.SetReadOnly(-1)"),
        Do("@rich.SetBackgroundColor(255)"),
        Do("@rich.LineScroll(0)"),
        Note("@rich.GetFirstVisibleLine()", "0"),
    };
    ProjectRun run(Project(kRichEdit, steps));
    ASSERT_NE(qbktest::RunSteps(run, "MAIN", "E", steps), nullptr);
    HWND rich = run.Control("MAIN", "rich");
    EXPECT_TRUE(GetWindowLongA(rich, GWL_STYLE) & ES_READONLY);
    // Red behind the text, well right of it (read through the window: the control's own
    // device context shows nothing across processes here).
    HWND main = GetParent(rich);
    RECT place;
    GetWindowRect(rich, &place);
    MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&place), 2);
    ProjectRun::BringToFront(main);
    EXPECT_TRUE(zvtest::WaitFor(
        [&] {
            const zvtest::Image shot = ProjectRun::Capture(main);
            return !shot.Empty() &&
                   zvtest::ColorNear(shot.At(place.right - 30, place.bottom - 20), zvtest::Rgb(255, 0, 0));
        },
        qbktest::kWait));
}

TEST(RichEditCommands, StreamsOfPlainAndRichTextAndCharacterFormats)
{
    const std::vector<Step> steps = {
        Do("@rich.LoadFile(" + InFolder("in.rtf") + ", 1)"),
        Note("@rich.GetText()", "bold plain"),
        Do("@rich.LoadFile(" + InFolder("in.rtf") + ", 0)"),
        Note("@rich.GetText()", "{\\rtf1 {\\b bold} plain}"),
        Do("@rich.LoadFile(" + InFolder("missing.rtf") + ", 1)"),
        Note("@rich.GetText()", ""),
        Do("@rich.LoadEmbedded(\"DOC.rtf\", 1)"),
        Note("@rich.GetText()", "Rich text"),
        Do("@rich.LoadEmbedded(\"absent.rtf\", 1)"),
        Note("@rich.GetText()", ""),
        Do("@rich.SetText(\"Format me please\")"),
        Do("@rich.SetSel(0, 6)"),
        Note("@rich.SetSelFormat(\"255\", \"Courier New\", \"18\", \"1\", \"0\", \"1\")", "1"),
        Do("@rich.SaveFile(" + InFolder("out.rtf") + ", 1)"),
        Do("@rich.SaveFile(" + InFolder("out.txt") + ", 0)"),
        // Bold "0" and the rest left alone clears the three effects and nothing else.
        Note("@rich.SetSelFormat(\"-1\", \"\", \"-1\", \"0\", \"-1\", \"-1\")", "1"),
        Do("@rich.SaveFile(" + InFolder("cleared.rtf") + ", 1)"),
    };
    ProjectRun run(Project(kRichEdit, steps));
    WriteFile(run.Folder() + "in.rtf", "{\\rtf1 {\\b bold} plain}");
    ASSERT_NE(qbktest::RunSteps(run, "MAIN", "E", steps), nullptr);
    EXPECT_EQ(ReadFile(run.Folder() + "out.txt"), "Format me please");
    const std::string rich = ReadFile(run.Folder() + "out.rtf");
    EXPECT_EQ(rich.rfind("{\\rtf", 0), 0u) << rich;
    EXPECT_NE(rich.find("Courier New"), std::string::npos) << rich;
    EXPECT_NE(rich.find("\\red255\\green0\\blue0"), std::string::npos) << rich;
    EXPECT_NE(rich.find("\\fs36"), std::string::npos) << rich;  // 18 points, in half points
    EXPECT_NE(rich.find("\\b"), std::string::npos) << rich;
    EXPECT_NE(rich.find("\\ul"), std::string::npos) << rich;
    const std::string cleared = ReadFile(run.Folder() + "cleared.rtf");
    EXPECT_EQ(cleared.find("\\b "), std::string::npos) << cleared;
    EXPECT_EQ(cleared.find("\\ul "), std::string::npos) << cleared;
    EXPECT_NE(cleared.find("Courier New"), std::string::npos) << cleared;
    EXPECT_NE(cleared.find("\\fs36"), std::string::npos) << cleared;
}

const char* const kStreams = R"(
  object DataStream in
  object DataStream out
  object Font font
  object Font other
)";

TEST(EditBoxCommands, TextFromAndIntoDataStreams)
{
    const std::vector<Step> steps = {
        Do("@in.Create()"),
        Do("@in.WriteText(\"from a stream\")"),
        Do("@in.WriteByte(0)"),
        Do("@in.WriteText(\"hidden\")"),
        Do("@in.Seek(4)"),
        // Up to the zero byte; the stream stays where it was.
        Do("@memo.LoadFromObject(@in.GetId())"),
        Note("@memo.GetText()", "from a stream"),
        Note("@in.GetPosition()", "4"),
        // Objects of other types, or a stream object without a stream, change nothing.
        Do("@memo.LoadFromObject(@font.GetId())"),
        Do("@memo.LoadFromObject(@out.GetId())"),
        Note("@memo.GetText()", "from a stream"),
        Do("@out.Create()"),
        Do("@out.WriteText(\"old bytes that go\")"),
        Do("@memo.SetText(\"saved\")"),
        Do("@memo.SaveToObject(@out.GetId())"),
        Note("@out.GetPosition()", "0"),
        Note("@out.GetLength()", "5"),
        Note("@out.ReadText(-1)", "saved"),
        Do("@memo.SaveToObject(@font.GetId())"),
        Note("@memo.GetText()", "saved"),
    };
    ProjectRun run(Project(R"(
  object EditBox memo
    caption ""
    rect 10 10 200 60
    style 0x50A10044
)" + std::string(kStreams),
                           steps));
    ASSERT_NE(qbktest::RunSteps(run, "MAIN", "E", steps), nullptr);
}

TEST(RichEditCommands, StreamsAndFontsThroughObjects)
{
    const std::vector<Step> steps = {
        Do("@in.LoadEmbedded(\"doc.rtf\")"),
        Do("@in.Seek(3)"),
        Do("@rich.LoadFromObject(@in.GetId(), 1)"),
        Note("@rich.GetText()", "Rich text"),
        Note("@in.GetPosition()", "3"),
        Do("@rich.LoadFromObject(@in.GetId(), 0)"),
        Note("@rich.GetText()", "{\\rtf1 {\\b Rich} text}"),
        Do("@rich.LoadFromObject(@font.GetId(), 1)"),
        Note("@rich.GetTextLength()", "22"),
        // An empty stream leaves the control empty.
        Do("@out.Create()"),
        Do("@rich.LoadFromObject(@out.GetId(), 1)"),
        Note("@rich.GetText()", ""),
        Do("@rich.SetText(\"Format me\")"),
        Do("@rich.SaveToObject(@out.GetId(), 0)"),
        Note("@out.GetPosition()", "0"),
        Note("@out.ReadText(-1)", "Format me"),
        Do("@rich.SaveToObject(@out.GetId(), 1)"),
        Note("@out.ReadText(5)", "{\\rtf"),
        // The font of a Font object given to the selection, and read back into another.
        Do("@font.Create(\"Courier New\", 18)"),
        Do("@font.SetBold(1)"),
        Do("@font.SetUnderline(1)"),
        Do("@rich.SetSel(0, 6)"),
        Note("@rich.SetSelFont(255, @font.GetId())", "1"),
        Note("@rich.GetSelFont(@other.GetId())", "255"),
        Note("@other.GetFaceName()", "Courier New"),
        Note("@other.GetSize()", "18"),
        Note("@other.IsBold() & @other.IsItalic() & @other.IsUnderline() & @other.IsStrikeOut()", "1010"),
        // Without a Font object only the colour changes; with colour -1 nothing does.
        Note("@rich.SetSelFont(65280, @in.GetId())", "1"),
        Note("@rich.SetSelFont(-1, @in.GetId())", "1"),
        Note("@rich.GetSelFont(@other.GetId())", "65280"),
        Note("@other.GetFaceName() & @other.GetSize() & @other.IsBold()", "Courier New181"),
        Note("@rich.GetSelFont(@in.GetId())", "-1"),
        Do("@rich.SetSel(7, 9)"),
        Note("@rich.GetSelFont(@other.GetId())", std::to_string(GetSysColor(COLOR_WINDOWTEXT))),
        Note("@other.IsBold()", "0"),
        Do("@rich.SaveToObject(@out.GetId(), 1)"),
    };
    ProjectRun run(Project(kRichEdit + std::string(kStreams), steps));
    ASSERT_NE(qbktest::RunSteps(run, "MAIN", "E", steps), nullptr);
}

class EditControlsWithoutControl : public ScriptTest {};

// Saving into a stream empties it even when there is no control to take the text from.
TEST_F(EditControlsWithoutControl, SavesStillEmptyTheStream)
{
    Start(qbktest::CommandWordsOf({"EditBox", "RichEdit", "DataStream", "Font"}) + R"(
window MAIN
  object EditBox e
  object RichEdit r
  object DataStream s
  object Font f
  event 0
    @s.Create()
    @s.WriteText("abc")
    @e.LoadFromObject(14)
    @r.LoadFromObject(14, 1)
    @Application.Return(@s.GetLength() & @r.GetSelFont(15) & @r.SetSelFont(1, 15) & @e.SaveToObject(14) & @s.GetLength() & @s.WriteText("abc") & @r.SaveToObject(14, 0) & @s.GetLength())
)");
    EXPECT_EQ(Run("MAIN", 0), "3-10010");
}

}  // namespace

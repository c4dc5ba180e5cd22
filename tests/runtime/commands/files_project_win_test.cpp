// Files as a running project writes them: an INI file, a text file, a record table and a copy,
// all in the program's own folder, read back by the test.
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <string>

#include "project_run.h"

namespace {

using qbktest::ProjectRun;

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(FilesProject, ScriptsWriteFilesBesideTheProgram)
{
    ProjectRun run(R"(
window MAIN
  caption "T"
  style 0x100B0001
  rect 0 0 300 200
  object IniFile ini
  object TextFile log
  object RecordTable table
  object CheckBox write
    caption "write"
    rect 10 10 80 24
    style 0x50014000
    event 0
      @ini.SetFile(@Application.GetFolder() & "settings.ini")
      @ini.Write("Video", "Width", 800)
      @ini.Write("Audio", "Sound", "on")
      @log.Open(@Application.GetFolder() & "log.txt", "write")
      @log.WriteLine("width " & @ini.Read("Video", "Width"))
      @log.Close()
      @table.Create()
      @table.InsertColumn("Name", -1)
      @table.InsertRow(-1)
      @table.SetCell("Name", 0, "Ann")
      @table.SaveFile(@Application.GetFolder() & "people.csv", "CSV")
      @FileSystem.CopyFile(@Application.GetFolder() & "log.txt", @Application.GetFolder() & "copy.txt")
      @MAIN.SetText("done " & @FileSystem.GetFileSize(@Application.GetFolder() & "copy.txt"))
)");
    HWND main = run.Window("MAIN");
    ASSERT_NE(main, nullptr);
    run.Click(run.Control("MAIN", "write"));
    EXPECT_TRUE(run.WaitForText(main, "done 11")) << ProjectRun::Text(main);
    EXPECT_EQ(ReadAll(run.Folder() + "settings.ini"), "[Video]\r\nWidth=800\r\n\r\n[Audio]\r\nSound=on\r\n");
    EXPECT_EQ(ReadAll(run.Folder() + "log.txt"), "width 800\r\n");
    EXPECT_EQ(ReadAll(run.Folder() + "copy.txt"), "width 800\r\n");
    EXPECT_EQ(ReadAll(run.Folder() + "people.csv"), "\"Name\"\r\n\"Ann\"\r\n");
}

}  // namespace

// A project appended to a copy of the runtime program loads from that copy.
#include "stored_project_fixture.h"

namespace {

using ProgramFileTest = StoredProjectTest;

TEST_F(ProgramFileTest, ProjectAppendedToTheRuntimeProgramLoads)
{
    const std::string runtime = qbkw::ReadWholeFile(QBK_PROGRAM_PATH);
    ASSERT_GT(runtime.size(), 1000u);
    ASSERT_EQ(runtime.substr(0, 2), "MZ");
    const std::string path = Path("settings.exe");
    qbkw::WriteWholeFile(path, qbkw::AppendProject(runtime, qbkw::ParseProjectDescription(R"(
app-name "Settings"
window MAIN
  caption "Settings"
  object Button ok
    caption "OK"
file "data/readme.txt" type 0 text "embedded"
)")));
    ASSERT_TRUE(runtime_.LoadProject(path.c_str()));
    EXPECT_EQ(runtime_.m_appName, "Settings");
    EXPECT_EQ(Window("MAIN").Objects[12]->Caption, "OK");
    CMemFile* file = runtime_.OpenEmbeddedFile("DATA/README.TXT");
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->GetLength(), 8u);
    EXPECT_EQ(runtime_.m_programFolder + "settings.exe", path.c_str());
}

}  // namespace

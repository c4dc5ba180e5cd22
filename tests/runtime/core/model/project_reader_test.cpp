// Projects written by the project writer load into exactly the model they describe.
#include "stored_project_fixture.h"

#include "stored_format.h"

namespace {

using ProjectReaderTest = StoredProjectTest;

const char* const kFullProject = R"(
app-name "Game Settings"
second-name "Zorvane"
splash 1
commands Window Close SetTitle
commands Button Press
commands Condition IF ELSE ENDIF

window MAIN
  caption "Main window"
  rect 5 6 400 300
  style 0x90CF0000
  exstyle 0x200
  flags 3
  values 4294967295 -5 6 7 -8
  header "head"
  property "Image Mode" "Stretch"
  property "Empty" ""
  function 4 Compute
    @Application.23("x")
  end
  object Button ok
    caption "OK"
    event 0
      $ says hello
      @MAIN.ok.Press("a", 1 + 2)
    end
    event 5
      @MAIN.SetTitle()
    end
  end
  object LocalNumber
  builtin Time
    name "ticker"
    event 0
      @Condition.IF(1, "=", 1)
    end
  end
end
window Second
end
)";

TEST_F(ProjectReaderTest, EveryFieldRoundTrips)
{
    ASSERT_TRUE(Load(kFullProject));
    EXPECT_EQ(runtime_.m_appName, "Game Settings");
    EXPECT_EQ(runtime_.m_author, "Zorvane");
    EXPECT_EQ(runtime_.m_splash, 1);
    ASSERT_EQ(runtime_.m_commandWords[3].GetSize(), 2);
    EXPECT_EQ(runtime_.m_commandWords[3][1], "SetTitle");
    EXPECT_EQ(runtime_.FindCommandNumber(0, "ENDIF"), 2);
    EXPECT_EQ(runtime_.m_commandWords[5].GetSize(), 0);

    ASSERT_EQ(runtime_.GetWindowCount(), 2);
    WindowRecord& main = Window("MAIN");
    EXPECT_EQ(main.Id, 0);
    EXPECT_EQ(Window("Second").Id, 1);
    ASSERT_EQ(main.GetObjectCount(), 14);
    const ObjectRecord& self = *main.Self();
    EXPECT_EQ(self.Type, 3);
    EXPECT_EQ(self.Caption, "Main window");
    EXPECT_EQ(self.Left, 5);
    EXPECT_EQ(self.Top, 6);
    EXPECT_EQ(self.Width, 400);
    EXPECT_EQ(self.Height, 300);
    EXPECT_EQ(self.Style, 0x90CF0000u);
    EXPECT_EQ(self.ExStyle, 0x200u);
    EXPECT_EQ(self.Flags, 3u);
    EXPECT_EQ(self.ExtraStyle, 0xFFFFFFFFu);
    EXPECT_EQ(self.UnusedNumber, -5);
    EXPECT_EQ(self.Anchor, 6);
    EXPECT_EQ(self.BackColor, 7);
    EXPECT_EQ(self.TextColor, -8);
    EXPECT_EQ(self.HeaderText, "head");
    ASSERT_EQ(self.Properties.GetSize(), 2);
    EXPECT_EQ(GetPropertyValue("Image Mode", self.Properties), "Stretch");
    EXPECT_EQ(self.Properties[1], "Empty\xA4");

    EXPECT_EQ(main.FunctionNames[4], "Compute");
    EXPECT_EQ(main.FunctionNames[5], "zzFunc006");
    ASSERT_EQ(main.Objects[2]->EventScripts[4].Texts.GetSize(), 1);
    EXPECT_EQ(main.Objects[2]->EventScripts[4].Texts[0], std::string("\x01"
                                                                     "0\x02"
                                                                     "5\x03"
                                                                     "23\x04x\x05\x06"));

    const ObjectRecord& ok = *main.Objects[12];
    EXPECT_EQ(ok.Type, 46);
    EXPECT_EQ(ok.Id, 12);
    EXPECT_EQ(ok.Name, "ok");
    EXPECT_EQ(ok.Caption, "OK");
    EXPECT_EQ(ok.Left, 10);
    EXPECT_EQ(ok.Style, 0x50000000u);
    ASSERT_EQ(ok.EventScripts[0].Texts.GetSize(), 2);
    EXPECT_EQ(ok.EventScripts[0].Texts[0], "$ says hello");
    EXPECT_EQ(ok.EventScripts[0].Texts[1], std::string("\x01"
                                                       "0\x02"
                                                       "12\x03"
                                                       "0\x04"
                                                       "a\x05"
                                                       "1\x09"
                                                       "2\x05\x06"));
    EXPECT_EQ(ok.EventScripts[5].Texts[0], std::string("\x01"
                                                       "0\x02"
                                                       "3\x03"
                                                       "1\x04\x06"));
    EXPECT_EQ(main.Objects[13]->Type, 19);
    EXPECT_EQ(main.Objects[11]->Name, "ticker");
    EXPECT_EQ(main.Objects[11]->Type, 11);
    EXPECT_EQ(main.Objects[11]->EventScripts[0].Texts[0], std::string("\x01"
                                                                      "0\x02"
                                                                      "0\x03"
                                                                      "0\x04"
                                                                      "1\x05=\x05"
                                                                      "1\x05\x06"));
}

TEST_F(ProjectReaderTest, TrailerOffsetIsEightScrambledDigits)
{
    qbkw::ProjectPlan project;
    project.windows.push_back(qbkw::WindowPlan::Make("MAIN"));
    const std::string padding(1234, 'p');
    const std::string bytes = padding + qbkw::WriteProjectStream(project) + qbkw::MakeTrailer(1234);
    EXPECT_EQ(qbkw::Unscramble(bytes.substr(bytes.size() - 9, 8)), "00001234");
    ASSERT_TRUE(runtime_.LoadProject(WriteBytes(bytes).c_str()));
    EXPECT_NE(runtime_.FindWindowByName("MAIN"), nullptr);
}

TEST_F(ProjectReaderTest, ProgramPathAndFolderAreKept)
{
    qbkw::ProjectPlan project;
    const std::string path = WriteProgram(project);
    ASSERT_TRUE(runtime_.LoadProject(path.c_str()));
    EXPECT_EQ(runtime_.m_programPath, path.c_str());
    EXPECT_EQ(runtime_.m_programFolder + "program.exe", path.c_str());
    EXPECT_EQ(runtime_.GetWindowCount(), 0) << "a project without windows loads";
}

TEST_F(ProjectReaderTest, SplashIsOnlyTheTextOne)
{
    for (const char* splash : {"1", "0", "yes", ""}) {
        qbkw::ProjectPlan project;
        project.splash = splash;
        ASSERT_TRUE(Load(project));
        EXPECT_EQ(runtime_.m_splash, std::string(splash) == "1" ? 1 : 0) << splash;
    }
}

TEST_F(ProjectReaderTest, PropertyListEndsOnlyAtEndWithSeparator)
{
    qbkw::ProjectPlan project;
    project.windows.push_back(qbkw::WindowPlan::Make("MAIN"));
    project.windows[0].Self().properties = {"END",
                                            "Key\xA4"
                                            "END",
                                            "Last\xA4v"};
    ASSERT_TRUE(Load(project));
    const CStringArray& properties = Window("MAIN").Self()->Properties;
    ASSERT_EQ(properties.GetSize(), 3);
    EXPECT_EQ(properties[0], "END");
}

TEST_F(ProjectReaderTest, BuiltInEntriesKeepTheirOwnType)
{
    qbkw::ProjectPlan project;
    project.windows.push_back(qbkw::WindowPlan::Make("MAIN"));
    project.windows[0].objects[7].type = 46;  // stored type ignored for entries 0 to 11
    ASSERT_TRUE(Load(project));
    EXPECT_EQ(Window("MAIN").Objects[7]->Type, 7);
}

TEST_F(ProjectReaderTest, EmbeddedFileNamesAreLowerCased)
{
    ASSERT_TRUE(Load("file \"Image/Logo.PNG\" type 1 text \"png bytes\"\nfile \"notes.txt\" type 0 text \"\""));
    ASSERT_EQ(runtime_.m_embeddedFiles.GetCount(), 2);
    const EmbeddedFile& file = *runtime_.m_embeddedFiles.GetAt(0);
    EXPECT_EQ(file.Name, "image/logo.png");
    EXPECT_EQ(file.Type, 1u);
    EXPECT_EQ(file.Size, 9u);
    EXPECT_EQ(runtime_.m_embeddedFiles.GetAt(1)->Size, 0u);
}

TEST_F(ProjectReaderTest, ClonesAreNamedNumberedAndAddressThemselves)
{
    ASSERT_TRUE(Load(R"(
window MAIN
end
window Page
  clones 3
  object Button b
    event 0
      @Page.b.0()
      $ @Page.b.0() stays
    end
  end
end
window Other
  clones 0
end
)"));
    ASSERT_EQ(runtime_.GetWindowCount(), 6);
    for (int k = 0; k < 3; ++k) {
        WindowRecord& clone = *runtime_.GetWindowAt(3 + k);
        EXPECT_EQ(clone.GetName(), ("Page" + std::to_string(k)).c_str());
        EXPECT_EQ(clone.Id, 3 + k);
        ASSERT_EQ(clone.GetObjectCount(), 13);
        EXPECT_EQ(clone.Objects[12]->Id, 12);
        EXPECT_EQ(clone.Objects[12]->EventScripts[0].Texts[0], ("\x01" + std::to_string(3 + k) +
                                                                "\x02"
                                                                "12\x03"
                                                                "0\x04\x06")
                                                                   .c_str());
        EXPECT_EQ(clone.Objects[12]->EventScripts[0].Texts[1], "$ @Page.b.0() stays");
    }
    EXPECT_EQ(Window("Page").Objects[12]->EventScripts[0].Texts[0], std::string("\x01"
                                                                                "1\x02"
                                                                                "12\x03"
                                                                                "0\x04\x06"));
    EXPECT_EQ(runtime_.FindWindowByName("Other0"), nullptr);
}

TEST_F(ProjectReaderTest, NestedProjectAddsListsAndRebindsItsWindows)
{
    ASSERT_TRUE(Load(R"(
window MAIN
end
nested "library"
  offer Add "Calc:zzFunc001" a b
  offer Hello "Calc:Greet"
  third one "two, \"quoted\"" ""
  window Calc
    function 1 Greet
      @MAIN.Application.23("hi")
    end
  end
  file "lib/data.bin" type 0 text "abc"
end
file "after.txt" type 0 text "x"
)"));
    ASSERT_EQ(runtime_.GetWindowCount(), 2);
    WindowRecord& calc = Window("Calc");
    EXPECT_EQ(calc.Id, 1);
    EXPECT_EQ(calc.Objects[2]->EventScripts[1].Texts[0], std::string("\x01"
                                                                     "1\x02"
                                                                     "5\x03"
                                                                     "23\x04hi\x05\x06"))
        << "a nested window's references address the window itself";
    const DeclaredFunctions& declared = runtime_.m_declaredFunctions;
    ASSERT_EQ(declared.Names.GetSize(), 2);
    EXPECT_EQ(declared.Names[1], "Hello");
    EXPECT_EQ(declared.Targets[0], "Calc:zzFunc001");
    ASSERT_EQ(declared.Extras.GetSize(), 3);
    EXPECT_EQ(declared.Extras[1], "two, \"quoted\"");
    EXPECT_EQ(declared.Extras[2], "");
    ASSERT_EQ(declared.Parameters.size(), 2u);
    ASSERT_EQ(declared.Parameters[0].GetSize(), 2);
    EXPECT_EQ(declared.Parameters[0][1], "b");
    EXPECT_EQ(declared.Parameters[1].GetSize(), 0);
    ASSERT_EQ(runtime_.m_embeddedFiles.GetCount(), 2);
    EXPECT_EQ(runtime_.m_embeddedFiles.GetAt(0)->Name, "lib/data.bin");
    EXPECT_EQ(runtime_.m_embeddedFiles.GetAt(1)->Name, "after.txt");
    EXPECT_EQ(runtime_.m_appName, "QBK Application") << "a nested stream leaves the header alone";
}

TEST_F(ProjectReaderTest, ASecondLoadReplacesTheFirst)
{
    ASSERT_TRUE(Load("commands Button Press\nwindow A\nend\nwindow B\nend"));
    ASSERT_TRUE(Load("commands Button Push\nwindow C\nend"));
    EXPECT_EQ(runtime_.GetWindowCount(), 1);
    EXPECT_EQ(runtime_.FindCommandNumber(46, "Push"), 0);
    EXPECT_EQ(runtime_.FindCommandNumber(46, "Press"), -3);
}

}  // namespace

// The project writer: readable instructions to instruction bytes, descriptions to streams.
#include <gtest/gtest.h>

#include "instruction_assembler.h"
#include "project_description.h"
#include "project_stream_writer.h"

namespace {

std::string Assemble(const std::string& description, const std::string& instruction)
{
    const qbkw::ProjectPlan project = qbkw::ParseProjectDescription(
        description + "\nwindow MAIN\n  object Button b\n    event 0\n      " + instruction + "\n");
    for (const auto& window : project.windows)
        if (window.Self().name == "MAIN") return window.objects.back().events[0].at(0);
    return "";
}

const char* const kNames = R"(
commands Condition IF ELSE ENDIF
commands Button Press
commands TextVariable Nothing Set Get
window Other
  object TextVariable text
)";

TEST(InstructionAssemblerTest, ReadableFormsGiveTheirBytes)
{
    struct Case {
        const char* readable;
        std::string bytes;
    } cases[] = {
        {"@b.Press()", "\x01"
                       "1\x02"
                       "12\x03"
                       "0\x04\x06"},
        {"@MAIN.b.0()", "\x01"
                        "1\x02"
                        "12\x03"
                        "0\x04\x06"},
        {"@Other.text.Get()", "\x01"
                              "0\x02"
                              "12\x03"
                              "2\x04\x06"},
        {"@0.12.7()", "\x01"
                      "0\x02"
                      "12\x03"
                      "7\x04\x06"},
        {"@Condition.IF(1, \"=\", 1)", "\x01"
                                       "1\x02"
                                       "0\x03"
                                       "0\x04"
                                       "1\x05=\x05"
                                       "1\x05\x06"},
        {"@Condition.IF(a, >=, -2.5)", "\x01"
                                       "1\x02"
                                       "0\x03"
                                       "0\x04"
                                       "a\x05>=\x05-2.5\x05\x06"},
        {"@b.Press(2 + 3 * 4)", "\x01"
                                "1\x02"
                                "12\x03"
                                "0\x04"
                                "2\x09"
                                "3\x0D"
                                "4\x05\x06"},
        {"@b.Press(10 - 2 / 4 & \"x\")", "\x01"
                                         "1\x02"
                                         "12\x03"
                                         "0\x04"
                                         "10\x0A"
                                         "2\x0E"
                                         "4\x0Fx\x05\x06"},
        {"@b.Press(\"a,b\", \"q\\\"\\x01\\n\")", "\x01"
                                                 "1\x02"
                                                 "12\x03"
                                                 "0\x04"
                                                 "a,b\x05q\"\x01\n\x05\x06"},
        {"@b.Press(, )", "\x01"
                         "1\x02"
                         "12\x03"
                         "0\x04\x05\x05\x06"},
        {"@b.Press(@Other.text.Get() & 1)", "\x01"
                                            "1\x02"
                                            "12\x03"
                                            "0\x04\x01"
                                            "0\x02"
                                            "12\x03"
                                            "2\x04\x06\x0F"
                                            "1\x05\x06"},
        {"@b.Press(@b.1(@Application.23(\"r\")))", "\x01"
                                                   "1\x02"
                                                   "12\x03"
                                                   "0\x04\x01"
                                                   "1\x02"
                                                   "12\x03"
                                                   "1\x04\x01"
                                                   "1\x02"
                                                   "5\x03"
                                                   "23\x04r\x05\x06\x05\x06\x05\x06"},
    };
    for (const Case& c : cases) EXPECT_EQ(Assemble(kNames, c.readable), c.bytes) << c.readable;
}

TEST(InstructionAssemblerTest, MistakesAreReportedWithTheirLine)
{
    const char* const wrong[] = {
        "@b.Unknown()", "@Nowhere.b.Press()", "@b.Press(",   "@b.Press(\"open)", "@b.Press() extra",
        "@b()",         "@a.b.c.d()",         "@b.Press(#)", "@missing.Press()", "@b.Press(\"\\x4\")",
    };
    for (const char* instruction : wrong) {
        try {
            Assemble(kNames, instruction);
            ADD_FAILURE() << instruction << " was accepted";
        } catch (const qbkw::DescriptionError& e) {
            EXPECT_EQ(e.line, 11) << instruction << ": " << e.what();
        }
    }
}

TEST(ProjectDescriptionTest, StructureMistakesAreReported)
{
    const char* const wrong[] = {
        "windw MAIN",
        "window MAIN\n  object Nothing x",
        "window MAIN\n  colour 4",
        "window MAIN\n  rect 1 2 3",
        "window MAIN\n  style x",
        "commands Nothing a",
        "file \"a\" type 0 hex \"0g\"",
        "file \"a\" type 0 path \"/no/such/file\"",
        "window MAIN\n  function 100 F",
        "window MAIN\n  builtin Button",
        "window MAIN\n  event 0\n    not an instruction",
        "offer F \"W:f\"",
    };
    for (const char* description : wrong)
        EXPECT_THROW(qbkw::ParseProjectDescription(description), qbkw::DescriptionError) << description;
}

TEST(ProjectDescriptionTest, BlocksFollowIndentationAndEndIsOptional)
{
    const qbkw::ProjectPlan a =
        qbkw::ParseProjectDescription("window A\n  object Button b\n    caption \"x\"\n  object Button c\nwindow B\n");
    const qbkw::ProjectPlan b = qbkw::ParseProjectDescription(
        "window A\n  object Button b\n    caption \"x\"\n  end\n  object Button c\n  end\nend\nwindow B\nend\n");
    EXPECT_EQ(qbkw::WriteProjectStream(a), qbkw::WriteProjectStream(b));
    ASSERT_EQ(a.windows.size(), 2u);
    EXPECT_EQ(a.windows[0].objects.size(), 14u);
    EXPECT_EQ(a.windows[0].objects[12].caption, "x");
}

TEST(ProjectStreamWriterTest, FieldsAreScrambledAndZeroTerminated)
{
    qbkw::ProjectPlan project;
    project.commandWords[0] = {"IF"};
    const std::string plain = qbkw::Unscramble(qbkw::WriteProjectStream(project));
    auto fields = [](std::initializer_list<const char*> texts) {
        std::string out;
        for (const char* text : texts) out += std::string(text) + '\0';
        return out;
    };
    std::string expected = fields({"APPRUNTIME", "IF", "&"});
    for (int type = 1; type < 74; ++type) expected += fields({"&"});
    expected += fields({"QBK Application", "MyName", "0", "0", "0"});
    EXPECT_EQ(plain, expected);
    EXPECT_EQ(qbkw::Scramble("A")[0], char('A' + 0x3A));
    EXPECT_EQ(qbkw::Scramble("\xF0")[0], char(0x2A)) << "modulo 256";
}

TEST(ProjectStreamWriterTest, ZeroBytesInFieldsAndHugeProgramsAreRefused)
{
    qbkw::ProjectPlan project;
    project.appName = std::string("a\0b", 3);
    EXPECT_THROW(qbkw::WriteProjectStream(project), std::runtime_error);
    EXPECT_THROW(qbkw::MakeTrailer(100000000), std::runtime_error);
    EXPECT_EQ(qbkw::Unscramble(qbkw::MakeTrailer(99999999)).substr(0, 8), "99999999");
}

TEST(ProjectStreamWriterTest, AppendedProjectEndsWithTrailerPointingAtIt)
{
    const std::string program = "program bytes";
    const std::string file = qbkw::AppendProject(program, qbkw::ProjectPlan());
    EXPECT_EQ(file.substr(0, program.size()), program);
    EXPECT_EQ(qbkw::Unscramble(file.substr(file.size() - 9, 8)), "00000013");
    EXPECT_EQ(qbkw::Unscramble(file.substr(program.size(), 10)), "APPRUNTIME");
}

TEST(ProjectStreamWriterTest, NestedListsQuoteWhatTheSplitWouldBreak)
{
    const qbkw::ProjectPlan project =
        qbkw::ParseProjectDescription("nested\n  offer F \"W:f\" plain \"with \\\"quote\\\"\" \"\" \"a\\x01b\"\n");
    const std::string plain = qbkw::Unscramble(qbkw::WriteProjectStream(project));
    const std::string params = "plain\x01\"with \"\"quote\"\"\"\x01\"\"\x01\"a\x01"
                               "b\"";
    EXPECT_NE(plain.find(std::string("APPRUNTIME\0F\0W:f\0\0", 18) + params + std::string("\0", 1)), std::string::npos);
}

}  // namespace

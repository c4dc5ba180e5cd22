// Damaged projects fail the load cleanly and leave no partial project behind.
#include "stored_project_fixture.h"

#include <cmath>

#include "decimal_text.h"
#include "stored_format.h"

namespace {

using DamagedProjectTest = StoredProjectTest;

qbkw::ProjectPlan RichProject()
{
    return qbkw::ParseProjectDescription(R"(
commands Button Press
window MAIN
  property "Clone Count" "1"
  object Button b
    event 0
      @b.Press("x" & 1 * 2)
      $ remark
    end
  end
end
nested "n"
  offer F "MAIN:zzFunc001" p
  window Inner
  end
end
file "data.bin" type 0 hex "00013aff"
)");
}

// The plain stream as its zero-terminated fields (for a project whose files hold no zero bytes
// in the way of the fields being replaced).
std::vector<std::string> Fields(const std::string& plain)
{
    std::vector<std::string> fields;
    size_t start = 0;
    for (size_t end; (end = plain.find('\0', start)) != std::string::npos; start = end + 1)
        fields.push_back(plain.substr(start, end - start));
    return fields;
}

std::string Join(const std::vector<std::string>& fields)
{
    std::string plain;
    for (const std::string& field : fields) plain += field + '\0';
    return plain;
}

// Fields of a project without command words: magic, 74 list ends, three header texts.
constexpr size_t kWindowCountField = 1 + 74 + 3;
constexpr size_t kObjectCountField = kWindowCountField + 1;
constexpr size_t kFirstObjectField = kObjectCountField + 1 + 100;

std::string WithField(const qbkw::ProjectPlan& project, size_t index, const std::string& value)
{
    std::vector<std::string> fields = Fields(qbkw::Unscramble(qbkw::WriteProjectStream(project)));
    fields.at(index) = value;
    const std::string stream = qbkw::Scramble(Join(fields));
    return StoredProjectTest::Program() + stream + qbkw::MakeTrailer(StoredProjectTest::Program().size());
}

TEST_F(DamagedProjectTest, EveryTruncationOfTheStreamFails)
{
    const std::string stream = qbkw::WriteProjectStream(RichProject());
    const std::string program = Program();
    ASSERT_TRUE(runtime_.LoadProject(WriteBytes(program + stream + qbkw::MakeTrailer(program.size())).c_str()));
    ASSERT_EQ(runtime_.GetWindowCount(), 3);
    // Through the file once, then in memory for speed.
    const std::string cutOnce = program + stream.substr(0, stream.size() / 2) + qbkw::MakeTrailer(program.size());
    ASSERT_FALSE(runtime_.LoadProject(WriteBytes(cutOnce).c_str()));
    ASSERT_EQ(runtime_.GetWindowCount(), 0);
    for (size_t cut = 0; cut < stream.size(); ++cut) {
        std::string bytes = program + stream.substr(0, cut) + qbkw::MakeTrailer(program.size());
        CMemFile file(reinterpret_cast<BYTE*>(bytes.data()), UINT(bytes.size()));
        ASSERT_FALSE(runtime_.ReadStoredProject(file)) << "cut at " << cut;
        runtime_.ResetProject();
    }
}

TEST_F(DamagedProjectTest, CountsBeyondTheRemainingBytesAreRefused)
{
    qbkw::ProjectPlan project;
    project.windows.push_back(qbkw::WindowPlan::Make("MAIN"));
    struct Case {
        size_t field;
        const char* value;
        bool loads;
    } cases[] = {
        {kWindowCountField, "1", true},
        {kWindowCountField, "-1", false},
        {kWindowCountField, "2", false},
        {kWindowCountField, "2147483647", false},
        {kWindowCountField, "99999999999999", false},
        {kObjectCountField, "-3", false},
        {kObjectCountField, "1000000", false},
        {kObjectCountField, "13", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.field) + " = " + c.value);
        EXPECT_EQ(runtime_.LoadProject(WriteBytes(WithField(project, c.field, c.value)).c_str()), c.loads);
    }
}

TEST_F(DamagedProjectTest, ObjectTypesAndEventCountsOutsideTheTypeAreRefused)
{
    struct Case {
        int type;
        std::optional<int> events;
        bool loads;
    } cases[] = {
        {46, std::nullopt, true}, {46, 6, true},  {46, 2, true}, {46, 7, false}, {46, -1, false},
        {74, 0, false},           {-1, 0, false}, {12, 0, true}, {12, 1, false}, {73, 11, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.type) + "/" + std::to_string(c.events.value_or(-99)));
        qbkw::ProjectPlan project;
        project.windows.push_back(qbkw::WindowPlan::Make("MAIN"));
        qbkw::ObjectPlan& object = project.windows[0].Add(c.type, "x");
        object.eventCountOverride = c.events;
        EXPECT_EQ(Load(project), c.loads);
        EXPECT_EQ(runtime_.GetWindowCount(), c.loads ? 1 : 0);
    }
}

TEST_F(DamagedProjectTest, BuiltInEntryCannotHaveMoreEventsThanItsType)
{
    qbkw::ProjectPlan project;
    project.windows.push_back(qbkw::WindowPlan::Make("MAIN"));
    project.windows[0].objects[11].type = 46;  // the stored type does not count...
    project.windows[0].objects[11].eventCountOverride = 2;  // ...Time has one event
    EXPECT_FALSE(Load(project));
    project.windows[0].objects[11].eventCountOverride = 1;
    EXPECT_TRUE(Load(project));
}

TEST_F(DamagedProjectTest, EmbeddedSizesMustBeWhatTheStreamHolds)
{
    for (int64_t size : {-1LL, 5LL, 1000000LL, 4LL, 2LL, 0LL}) {
        qbkw::ProjectPlan project;
        qbkw::FilePlan file;
        file.name = "f";
        file.data = "abcd";
        file.sizeOverride = size;
        project.files.push_back(file);
        // Bytes after the last file are not read; a size beyond the stream is refused.
        EXPECT_EQ(Load(project), size >= 0 && size <= 4) << size;
    }
}

TEST_F(DamagedProjectTest, NestedStreamsHaveADepthLimit)
{
    auto nestedTo = [](int depth) {
        qbkw::ProjectPlan root;
        qbkw::ProjectPlan* current = &root;
        for (int d = 0; d < depth; ++d) {
            qbkw::FilePlan file;
            file.type = qbk::kNestedProjectFileType;
            file.nested = std::make_shared<qbkw::ProjectPlan>();
            file.nested->nestedMode = true;
            current->files.push_back(file);
            current = current->files.back().nested.get();
        }
        return root;
    };
    EXPECT_TRUE(Load(nestedTo(CProjectRuntime::kMaxNestingDepth)));
    EXPECT_FALSE(Load(nestedTo(CProjectRuntime::kMaxNestingDepth + 1)));
}

TEST_F(DamagedProjectTest, CloneCountsHaveALimit)
{
    qbkw::ProjectPlan project;
    project.windows.push_back(qbkw::WindowPlan::Make("Page"));
    project.windows[0].Self().SetProperty("Clone Count", "100000");
    EXPECT_FALSE(Load(project));
    project.windows[0].Self().SetProperty("Clone Count", "-4");
    ASSERT_TRUE(Load(project));
    EXPECT_EQ(runtime_.GetWindowCount(), 1);
}

TEST_F(DamagedProjectTest, BadFilesAndTrailersFail)
{
    const std::string good = qbkw::AppendProject(Program(), qbkw::ProjectPlan());
    ASSERT_TRUE(runtime_.LoadProject(WriteBytes(good).c_str()));
    const std::string stream = qbkw::WriteProjectStream(qbkw::ProjectPlan());
    struct Case {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"empty file", ""},
        {"shorter than the trailer", qbkw::Scramble("0000000")},
        {"offset past the trailer", Program() + stream + qbkw::MakeTrailer(good.size())},
        {"offset not digits", Program() + stream + qbkw::Scramble("abcdefgh") + "x"},
        {"negative offset", Program() + stream + qbkw::Scramble("-0000001") + "x"},
        {"wrong magic", Program() + qbkw::Scramble(std::string("APPRUNTIMF\0", 11)) + stream.substr(11) +
                            qbkw::MakeTrailer(Program().size())},
        {"unscrambled stream", Program() + qbkw::Unscramble(stream) + qbkw::MakeTrailer(Program().size())},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(runtime_.LoadProject(WriteBytes(c.bytes).c_str())) << c.what;
        EXPECT_EQ(runtime_.GetWindowCount(), 0) << c.what;
    }
    EXPECT_FALSE(runtime_.LoadProject(""));
    EXPECT_FALSE(runtime_.LoadProject(nullptr));
    EXPECT_FALSE(runtime_.LoadProject(Path("missing.exe").c_str()));
    EXPECT_FALSE(runtime_.LoadProject(folder_.string().c_str())) << "a folder is no program file";
}

TEST(TextToIntTest, ReadsLikeAtoiAndClampsToThirtyTwoBits)
{
    struct Case {
        const char* text;
        int32_t value;
    } cases[] = {
        {"0", 0},
        {"00001234", 1234},
        {"  \t\n-17x", -17},
        {"+5", 5},
        {"x5", 0},
        {"", 0},
        {"- 5", 0},
        {"2147483647", 2147483647},
        {"2147483648", 2147483647},
        {"-2147483648", INT32_MIN},
        {"-2147483649", INT32_MIN},
        {"99999999999999999999999", 2147483647},
        {"12.9", 12},
    };
    for (const Case& c : cases) EXPECT_EQ(TextToInt(c.text), c.value) << c.text;
    EXPECT_EQ(TextToInt(nullptr), 0);
}

}  // namespace

namespace {

TEST(TextToDoubleTest, ReadsLikeAtofWithoutPlatformSpellings)
{
    struct Case {
        const char* text;
        double value;
    } cases[] = {
        {"0", 0},
        {"12", 12},
        {"-7", -7},
        {"1.5", 1.5},
        {"-0.25x", -0.25},
        {"  +3", 3},
        {".5", 0.5},
        {"5.", 5},
        {"1e3", 1000},
        {"2E-2", 0.02},
        {"1e", 1},
        {"1e+", 1},
        {"abc", 0},
        {"", 0},
        {"-", 0},
        {".", 0},
        {"inf", 0},
        {"nan", 0},
        {"0x10", 0},
        {"123456789012345", 123456789012345.0},
        {"12345678901234567890", 12345678901234567890.0},
        {"007", 7},
        {"1.2.3", 1.2},
    };
    for (const Case& c : cases) EXPECT_DOUBLE_EQ(TextToDouble(c.text), c.value) << c.text;
    EXPECT_TRUE(std::signbit(TextToDouble("-0")));
}

}  // namespace

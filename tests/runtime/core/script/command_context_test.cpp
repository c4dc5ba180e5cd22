// The handler context: arguments pulled in order, answers written in the runtime's number forms,
// other objects found by id and type, the object's own part.
#include "script_test_fixture.h"

#include <functional>
#include <optional>

#include "command_context.h"

namespace {

class CommandContextTest : public ScriptTest {
protected:
    void SetUp() override
    {
        ScriptTest::SetUp();
        Start("window MAIN\n  object Button b\n  object NumberVariable n\n");
    }
    // A context for object b of MAIN over the given argument bytes.
    CommandContext& Context(const std::string& bytes)
    {
        params_ = CString(bytes);
        WindowRecord& main = Window("MAIN");
        context_.emplace(runtime_, main, *main.Objects[12], params_, frame_);
        return *context_;
    }

    CString params_;
    ScriptFrame frame_;
    std::optional<CommandContext> context_;
};

TEST_F(CommandContextTest, ArgumentsComeInOrderAndMissingOnesReadAsEmptyOrZero)
{
    CommandContext& ctx = Context(std::string("12abc\x05"
                                              "2.5\x05"
                                              "x\x05 -7\x05",
                                              16));
    EXPECT_EQ(ctx.Int(), 12) << "leading digits, as atoi reads them";
    EXPECT_EQ(ctx.Real(), 2.5);
    EXPECT_EQ(ctx.Text(), "x");
    EXPECT_EQ(ctx.Int(), -7);
    EXPECT_EQ(ctx.Text(), "");
    EXPECT_EQ(ctx.Int(), 0);
    EXPECT_EQ(ctx.Real(), 0.0);
}

TEST_F(CommandContextTest, AVariableTailEndsWhenNoArgumentIsLeft)
{
    CommandContext& ctx = Context(std::string("a\x05"
                                              "b\x05",
                                              4));
    std::vector<std::string> tail;
    CString value;
    while (ctx.Next(value)) tail.push_back(value.Str());
    EXPECT_EQ(tail, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(value, "");
    EXPECT_EQ(ctx.Remaining(), "");
}

TEST_F(CommandContextTest, AnswersTakeTheRuntimesNumberForms)
{
    CommandContext& ctx = Context("");
    struct Case {
        std::function<void()> write;
        const char* result;
    } cases[] = {
        {[&] { ctx.SetInt(-42); }, "-42"},   {[&] { ctx.SetReal(2.5); }, "2.5"},
        {[&] { ctx.SetReal(3.0); }, "3"},    {[&] { ctx.SetTruth(true); }, "1"},
        {[&] { ctx.SetTruth(false); }, "0"}, {[&] { ctx.SetResult("text"); }, "text"},
    };
    for (const Case& c : cases) {
        c.write();
        EXPECT_EQ(ctx.Result(), c.result);
        EXPECT_EQ(frame_.Result, c.result) << "the frame's result text is the answer";
    }
}

TEST_F(CommandContextTest, OtherObjectsOfTheWindowByIdAndType)
{
    CommandContext& ctx = Context("");
    EXPECT_EQ(ctx.FindObject(13), Window("MAIN").Objects[13].get());
    EXPECT_EQ(ctx.FindObject(13, qbk::TypeNumberVariable), Window("MAIN").Objects[13].get());
    EXPECT_EQ(ctx.FindObject(13, qbk::TypeFont), nullptr) << "another type does not count";
    EXPECT_EQ(ctx.FindObject(99), nullptr);
    EXPECT_EQ(&ctx.Object(), Window("MAIN").Objects[12].get());
    EXPECT_EQ(ctx.Control(), nullptr) << "no window was made for the button";
}

struct Counter : ObjectPart {
    int count = 0;
};

TEST_F(CommandContextTest, TheObjectsPartIsMadeOnceAndKept)
{
    CommandContext& ctx = Context("");
    EXPECT_EQ(ctx.FindPart<Counter>(), nullptr);
    ++ctx.EnsurePart<Counter>().count;
    ++ctx.EnsurePart<Counter>().count;
    ASSERT_NE(ctx.FindPart<Counter>(), nullptr);
    EXPECT_EQ(ctx.FindPart<Counter>()->count, 2);
    EXPECT_EQ(Window("MAIN").Objects[12]->FindPart<Counter>(), ctx.FindPart<Counter>());
}

}  // namespace

#include "project_description.h"

#include <cctype>
#include <cstdlib>
#include <map>

#include "../runtime/core/model/stored_format.h"
#include "instruction_assembler.h"
#include "project_stream_writer.h"
#include "quoted_text.h"

namespace qbkw {

DescriptionError::DescriptionError(int line_, const std::string& what)
    : std::runtime_error("line " + std::to_string(line_) + ": " + what), line(line_)
{
}

namespace {

struct Token {
    std::string text;
    bool quoted = false;
};

struct Line {
    int number = 0;
    int indent = 0;
    std::string raw;  // trimmed text
    std::vector<Token> tokens;  // for statement lines
};

// An instruction waiting for every window to be known.
struct PendingInstruction {
    ProjectPlan* project;
    size_t window, object, event, text;
    std::string source;
    int line;
};

std::vector<Token> Tokenize(const std::string& s, int line)
{
    std::vector<Token> tokens;
    size_t pos = 0;
    while (pos < s.size()) {
        const char c = s[pos];
        if (c == ' ' || c == '\t') {
            ++pos;
        } else if (c == '#') {
            break;
        } else if (c == '"') {
            try {
                tokens.push_back({ReadQuotedText(s, pos), true});
            } catch (const std::runtime_error& e) {
                throw DescriptionError(line, e.what());
            }
        } else {
            size_t start = pos;
            while (pos < s.size() && s[pos] != ' ' && s[pos] != '\t') ++pos;
            tokens.push_back({s.substr(start, pos - start), false});
        }
    }
    return tokens;
}

std::string Trim(const std::string& s)
{
    size_t a = s.find_first_not_of(" \t\r");
    if (a == std::string::npos) return "";
    size_t b = s.find_last_not_of(" \t\r");
    return s.substr(a, b - a + 1);
}

int TypeByName(const std::string& name)
{
    for (int t = 0; t < qbk::kObjectTypeCount; ++t)
        if (name == qbk::ObjectTypeName(t)) return t;
    char* end = nullptr;
    long value = std::strtol(name.c_str(), &end, 10);
    if (!name.empty() && *end == '\0' && value >= 0 && value < qbk::kObjectTypeCount) return int(value);
    return -1;
}

std::string HexBytes(const std::string& hex, int line)
{
    std::string out;
    std::string digits;
    for (char c : hex)
        if (!std::isspace((unsigned char)c)) digits += c;
    if (digits.size() % 2 != 0) throw DescriptionError(line, "hex data needs pairs of digits");
    for (size_t i = 0; i < digits.size(); i += 2) {
        if (!std::isxdigit((unsigned char)digits[i]) || !std::isxdigit((unsigned char)digits[i + 1]))
            throw DescriptionError(line, "bad hex digit");
        out += char(std::strtol(digits.substr(i, 2).c_str(), nullptr, 16));
    }
    return out;
}

class DescriptionParser {
public:
    DescriptionParser(const std::string& text, const std::string& baseFolder) : base_(baseFolder)
    {
        int number = 0;
        size_t start = 0;
        while (start <= text.size()) {
            size_t end = text.find('\n', start);
            if (end == std::string::npos) end = text.size();
            ++number;
            Line line;
            line.number = number;
            const std::string full = text.substr(start, end - start);
            line.indent = int(full.find_first_not_of(" \t"));
            line.raw = Trim(full);
            if (!line.raw.empty() && line.raw[0] != '@' && line.raw[0] != qbk::kRemarkMark)
                line.tokens = Tokenize(line.raw, number);
            if (!line.raw.empty() && (line.raw[0] == '@' || line.raw[0] == qbk::kRemarkMark || !line.tokens.empty()))
                lines_.push_back(line);
            start = end + 1;
        }
    }

    ProjectPlan Parse()
    {
        ProjectPlan project;
        ParseProject(project, false, -1);
        Resolve(project);
        return project;
    }

private:
    // ---- structure ---------------------------------------------------------------------------
    bool AtEnd() const { return next_ >= lines_.size(); }
    // The body of a block is the lines indented deeper than its first line; an "end" at the
    // block's own indentation may close it.
    bool InBody(int indent) const { return !AtEnd() && lines_[next_].indent > indent; }
    void CloseBlock(int indent)
    {
        if (!AtEnd() && lines_[next_].indent == indent && IsEnd(lines_[next_])) ++next_;
    }
    const Line& Take() { return lines_[next_++]; }
    static bool IsEnd(const Line& line)
    {
        return !line.tokens.empty() && line.tokens[0].text == "end" && !line.tokens[0].quoted;
    }

    static const std::string& Arg(const Line& line, size_t i)
    {
        if (i >= line.tokens.size())
            throw DescriptionError(line.number, "'" + line.tokens[0].text + "' needs more values");
        return line.tokens[i].text;
    }
    static int64_t Number(const Line& line, size_t i)
    {
        const std::string& text = Arg(line, i);
        char* end = nullptr;
        long long value = std::strtoll(text.c_str(), &end, 0);
        if (text.empty() || *end != '\0') throw DescriptionError(line.number, "'" + text + "' is not a number");
        return value;
    }

    void ParseProject(ProjectPlan& project, bool nested, int indent)
    {
        project.nestedMode = nested;
        while (InBody(indent)) {
            const Line& line = Take();
            const std::string& key = line.tokens.empty() ? line.raw : line.tokens[0].text;
            if (!nested && key == "app-name") {
                project.appName = Arg(line, 1);
            } else if (!nested && key == "second-name") {
                project.secondName = Arg(line, 1);
            } else if (!nested && key == "splash") {
                project.splash = Arg(line, 1);
            } else if (!nested && key == "commands") {
                const int type = TypeByName(Arg(line, 1));
                if (type < 0) throw DescriptionError(line.number, "unknown object type " + line.tokens[1].text);
                for (size_t i = 2; i < line.tokens.size(); ++i)
                    project.commandWords[type].push_back(line.tokens[i].text);
            } else if (nested && key == "offer") {
                project.nestedLists[0].push_back(Arg(line, 1));
                project.nestedLists[1].push_back(Arg(line, 2));
                std::vector<std::string> params;
                for (size_t i = 3; i < line.tokens.size(); ++i) params.push_back(line.tokens[i].text);
                project.nestedParams.push_back(params);
            } else if (nested && key == "third") {
                for (size_t i = 1; i < line.tokens.size(); ++i) project.nestedLists[2].push_back(line.tokens[i].text);
            } else if (key == "window") {
                project.windows.push_back(WindowPlan::Make(Arg(line, 1)));
                ParseWindow(project, project.windows.size() - 1, line.indent);
            } else if (key == "file") {
                project.files.push_back(ParseFile(line));
            } else if (key == "nested") {
                FilePlan file;
                file.type = qbk::kNestedProjectFileType;
                file.name = line.tokens.size() > 1 ? line.tokens[1].text : "";
                file.nested = std::make_shared<ProjectPlan>();
                project.files.push_back(file);
                ParseProject(*project.files.back().nested, true, line.indent);
            } else {
                throw DescriptionError(line.number, "unknown statement '" + key + "'");
            }
        }
        CloseBlock(indent);
    }

    FilePlan ParseFile(const Line& line)
    {
        FilePlan file;
        file.name = Arg(line, 1);
        size_t i = 2;
        while (i < line.tokens.size()) {
            const std::string& key = line.tokens[i].text;
            if (key == "type") {
                file.type = int(Number(line, i + 1));
            } else if (key == "text") {
                file.data = Arg(line, i + 1);
            } else if (key == "hex") {
                file.data = HexBytes(Arg(line, i + 1), line.number);
            } else if (key == "path") {
                const std::string& path = Arg(line, i + 1);
                const std::string full = path.empty() || path[0] == '/' ? path : base_ + "/" + path;
                try {
                    file.data = ReadWholeFile(full);
                } catch (const std::exception& e) {
                    throw DescriptionError(line.number, e.what());
                }
            } else if (key == "size") {
                file.sizeOverride = Number(line, i + 1);
            } else {
                throw DescriptionError(line.number, "unknown file attribute '" + key + "'");
            }
            i += 2;
        }
        if (file.type == qbk::kNestedProjectFileType)
            throw DescriptionError(line.number, "nested projects are written with 'nested'");
        return file;
    }

    void ParseWindow(ProjectPlan& project, size_t windowIndex, int indent)
    {
        while (InBody(indent)) {
            const Line& line = Take();
            WindowPlan& window = project.windows[windowIndex];
            const std::string& key = line.tokens.empty() ? line.raw : line.tokens[0].text;
            if (key == "object" || key == "builtin") {
                const int type = TypeByName(Arg(line, 1));
                if (type < 0) throw DescriptionError(line.number, "unknown object type " + line.tokens[1].text);
                size_t objectIndex;
                if (key == "builtin") {
                    if (type >= qbk::kBuiltInObjectCount) throw DescriptionError(line.number, "not a built-in type");
                    objectIndex = size_t(type);
                } else {
                    window.Add(type, line.tokens.size() > 2 ? line.tokens[2].text : "");
                    objectIndex = window.objects.size() - 1;
                }
                ParseObjectBody(project, windowIndex, objectIndex, line.indent);
            } else if (key == "function") {
                const int64_t index = Number(line, 1);
                if (index < 0 || index >= qbk::kFunctionCount)
                    throw DescriptionError(line.number, "function index out of range");
                window.functionNames[size_t(index)] = Arg(line, 2);
                ParseEvent(project, windowIndex, qbk::TypeWindowCall, size_t(index), line.indent);
            } else if (key == "clones") {
                window.Self().SetProperty("Clone Count", std::to_string(Number(line, 1)));
            } else if (!ObjectAttribute(project, windowIndex, qbk::kWindowObjectIndex, line)) {
                throw DescriptionError(line.number, "unknown window statement '" + key + "'");
            }
        }
        CloseBlock(indent);
    }

    void ParseObjectBody(ProjectPlan& project, size_t windowIndex, size_t objectIndex, int indent)
    {
        while (InBody(indent)) {
            const Line& line = Take();
            if (!ObjectAttribute(project, windowIndex, objectIndex, line))
                throw DescriptionError(line.number, "unknown object statement '" + line.raw + "'");
        }
        CloseBlock(indent);
    }

    bool ObjectAttribute(ProjectPlan& project, size_t windowIndex, size_t objectIndex, const Line& line)
    {
        if (line.tokens.empty()) return false;
        ObjectPlan& object = project.windows[windowIndex].objects[objectIndex];
        const std::string& key = line.tokens[0].text;
        if (key == "name") {
            object.name = Arg(line, 1);
        } else if (key == "caption") {
            object.caption = Arg(line, 1);
        } else if (key == "rect") {
            object.left = int32_t(Number(line, 1));
            object.top = int32_t(Number(line, 2));
            object.width = int32_t(Number(line, 3));
            object.height = int32_t(Number(line, 4));
        } else if (key == "style") {
            object.style = uint32_t(Number(line, 1));
        } else if (key == "exstyle") {
            object.exStyle = uint32_t(Number(line, 1));
        } else if (key == "flags") {
            object.flags = uint32_t(Number(line, 1));
        } else if (key == "values") {
            object.extraStyle = uint32_t(Number(line, 1));
            object.unusedNumber = int32_t(Number(line, 2));
            object.anchor = int32_t(Number(line, 3));
            object.backColor = int32_t(Number(line, 4));
            object.textColor = int32_t(Number(line, 5));
        } else if (key == "header") {
            object.header = Arg(line, 1);
        } else if (key == "property") {
            object.SetProperty(Arg(line, 1), Arg(line, 2));
        } else if (key == "events") {
            object.eventCountOverride = int(Number(line, 1));
        } else if (key == "event") {
            const int64_t index = Number(line, 1);
            if (index < 0 || index > 10000) throw DescriptionError(line.number, "event index out of range");
            if (size_t(index) >= object.events.size()) object.events.resize(size_t(index) + 1);
            ParseEvent(project, windowIndex, objectIndex, size_t(index), line.indent);
        } else {
            return false;
        }
        return true;
    }

    void ParseEvent(ProjectPlan& project, size_t windowIndex, size_t objectIndex, size_t eventIndex, int indent)
    {
        while (InBody(indent)) {
            const Line& line = Take();
            std::vector<std::string>& texts = project.windows[windowIndex].objects[objectIndex].events[eventIndex];
            if (line.raw[0] == qbk::kRemarkMark) {
                texts.push_back(line.raw);
            } else if (line.raw[0] == '@') {
                texts.emplace_back();
                pending_.push_back(
                    {&project, windowIndex, objectIndex, eventIndex, texts.size() - 1, line.raw, line.number});
            } else if (line.tokens[0].text == "raw") {
                texts.push_back(Arg(line, 1));
            } else {
                throw DescriptionError(line.number, "an event holds @instructions, $remarks and raw texts");
            }
        }
        CloseBlock(indent);
    }

    // ---- names and ids -------------------------------------------------------------------------
    struct KnownWindow {
        int id;
        std::string name;
        const WindowPlan* plan;
    };

    class Names : public ReferenceNames {
    public:
        Names(const std::vector<KnownWindow>& windows, const ProjectPlan& root) : windows_(windows), root_(root) {}
        int WindowId(const std::string& name) const override
        {
            for (const KnownWindow& w : windows_)
                if (w.name == name) return w.id;
            return -1;
        }
        int ObjectId(int windowId, const std::string& name, int* type) const override
        {
            for (const KnownWindow& w : windows_) {
                if (w.id != windowId) continue;
                const auto& objects = w.plan->objects;
                int found = -1;
                for (size_t i = 0; i < objects.size() && found < 0; ++i)
                    if (objects[i].name == name) found = int(i);
                if (found < 0) {
                    const int builtIn = TypeByName(name);
                    if (builtIn >= 0 && builtIn < qbk::kBuiltInObjectCount && !std::isdigit((unsigned char)name[0]))
                        found = builtIn;
                }
                if (found < 0 && !name.empty() && std::isdigit((unsigned char)name[0])) found = std::atoi(name.c_str());
                if (found >= 0 && size_t(found) < objects.size()) *type = objects[size_t(found)].type;
                return found;
            }
            return -1;
        }
        int CommandNumber(int type, const std::string& word) const override
        {
            if (type < 0 || type >= qbk::kObjectTypeCount) return -1;
            const auto& words = root_.commandWords[size_t(type)];
            for (size_t i = 0; i < words.size(); ++i)
                if (words[i] == word) return int(i);
            return -1;
        }

    private:
        const std::vector<KnownWindow>& windows_;
        const ProjectPlan& root_;
    };

    // Ids follow the order in which the runtime creates the windows: the project's windows, the
    // windows of nested projects as their files are read, then the clones.
    void CollectWindows(const ProjectPlan& project, std::vector<KnownWindow>& out)
    {
        for (const WindowPlan& w : project.windows) out.push_back({int(out.size()), w.Self().name, &w});
        for (const FilePlan& f : project.files)
            if (f.nested) CollectWindows(*f.nested, out);
    }

    static int CloneCount(const WindowPlan& w)
    {
        const std::string prefix = std::string("Clone Count") + char(qbk::kPropertySeparator);
        for (const std::string& entry : w.Self().properties)
            if (entry.compare(0, prefix.size(), prefix) == 0) return std::atoi(entry.c_str() + prefix.size());
        return 0;
    }

    void Resolve(ProjectPlan& root)
    {
        std::vector<KnownWindow> windows;
        CollectWindows(root, windows);
        const size_t read = windows.size();
        for (size_t i = 0; i < read; ++i) {
            const int n = CloneCount(*windows[i].plan);
            for (int k = 0; k < n; ++k)
                windows.push_back({int(windows.size()), windows[i].name + std::to_string(k), windows[i].plan});
        }
        Names names(windows, root);
        for (const PendingInstruction& p : pending_) {
            const WindowPlan* plan = &p.project->windows[p.window];
            int current = -1;
            for (const KnownWindow& w : windows)
                if (w.plan == plan && current < 0) current = w.id;
            try {
                p.project->windows[p.window].objects[p.object].events[p.event][p.text] =
                    AssembleInstruction(p.source, current, names);
            } catch (const std::exception& e) {
                throw DescriptionError(p.line, e.what());
            }
        }
    }

    std::string base_;
    std::vector<Line> lines_;
    size_t next_ = 0;
    std::vector<PendingInstruction> pending_;
};

}  // namespace

ProjectPlan ParseProjectDescription(const std::string& text, const std::string& baseFolder)
{
    DescriptionParser parser(text, baseFolder);
    return parser.Parse();
}

}  // namespace qbkw

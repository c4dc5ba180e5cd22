#include "project_stream_writer.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "../runtime/core/model/stored_format.h"

namespace qbkw {
namespace {

class StreamBuilder {
public:
    void Field(const std::string& text)
    {
        if (text.find('\0') != std::string::npos) throw std::runtime_error("a stored field cannot hold a zero byte");
        out_ += text;
        out_ += '\0';
    }
    void Number(int64_t value) { Field(std::to_string(value)); }
    void Bytes(const std::string& data) { out_ += data; }
    const std::string& Plain() const { return out_; }

private:
    std::string out_;
};

// A list field of a nested project: items separated by 0x01, quoted with '"' where needed.
std::string JoinNestedList(const std::vector<std::string>& items)
{
    std::string text;
    for (size_t i = 0; i < items.size(); ++i) {
        const std::string& item = items[i];
        if (i > 0) text += char(qbk::kNestedListSeparator);
        const bool quote = item.empty() || item.find('"') != std::string::npos ||
                           item.find(char(qbk::kNestedListSeparator)) != std::string::npos;
        if (!quote) {
            text += item;
            continue;
        }
        text += '"';
        for (char c : item) {
            if (c == '"') text += '"';
            text += c;
        }
        text += '"';
    }
    return text;
}

void WriteObject(StreamBuilder& out, const ObjectPlan& object)
{
    out.Field(object.name);
    out.Number(object.type);
    out.Field(object.caption);
    for (int32_t value : {object.left, object.top, object.width, object.height}) out.Number(value);
    for (uint32_t value : {object.style, object.exStyle, object.flags, object.extraStyle}) out.Number(int32_t(value));
    for (int32_t value : {object.unusedNumber, object.anchor, object.backColor, object.textColor}) out.Number(value);
    out.Field(object.header);
    for (const std::string& entry : object.properties) out.Field(entry);
    out.Field(qbk::kPropertyListEnd);
    const int count = object.eventCountOverride.value_or(int(object.events.size()));
    out.Number(count);
    static const std::vector<std::string> none;
    for (int e = 0; e < count; ++e) {
        const std::vector<std::string>& texts = e < int(object.events.size()) ? object.events[e] : none;
        out.Number(int64_t(texts.size()));
        for (const std::string& text : texts) out.Field(text);
    }
}

void WriteStream(StreamBuilder& out, const ProjectPlan& project)
{
    out.Field(qbk::kProjectMagic);
    if (project.nestedMode) {
        for (const auto& list : project.nestedLists) out.Field(JoinNestedList(list));
        for (size_t i = 0; i < project.nestedLists[0].size(); ++i)
            out.Field(
                JoinNestedList(i < project.nestedParams.size() ? project.nestedParams[i] : std::vector<std::string>()));
    } else {
        for (const auto& words : project.commandWords) {
            for (const std::string& word : words) out.Field(word);
            out.Field(qbk::kListEnd);
        }
        out.Field(project.appName);
        out.Field(project.secondName);
        out.Field(project.splash);
    }
    out.Number(int64_t(project.windows.size()));
    for (const WindowPlan& window : project.windows) {
        out.Number(int64_t(window.objects.size()));
        for (int i = 0; i < qbk::kFunctionCount; ++i)
            out.Field(i < int(window.functionNames.size()) ? window.functionNames[i] : DefaultFunctionName(i));
        for (const ObjectPlan& object : window.objects) WriteObject(out, object);
    }
    out.Number(int64_t(project.files.size()));
    for (const FilePlan& file : project.files) {
        out.Number(file.type);
        if (file.type == qbk::kNestedProjectFileType) {
            out.Field(file.name);
            out.Field("");
            if (!file.nested) throw std::runtime_error("nested project file without a project");
            WriteStream(out, *file.nested);
            continue;
        }
        out.Field(file.name);
        out.Number(file.sizeOverride.value_or(int64_t(file.data.size())));
        out.Bytes(file.data);
    }
}

}  // namespace

std::string Scramble(const std::string& plain)
{
    std::string stored(plain);
    for (char& c : stored) c = char((unsigned char)c + qbk::kProjectKey);
    return stored;
}

std::string Unscramble(const std::string& stored)
{
    std::string plain(stored);
    for (char& c : plain) c = char((unsigned char)c - qbk::kProjectKey);
    return plain;
}

std::string WriteProjectStream(const ProjectPlan& project)
{
    StreamBuilder out;
    WriteStream(out, project);
    return Scramble(out.Plain());
}

std::string MakeTrailer(uint64_t offset)
{
    if (offset > 99999999u) throw std::runtime_error("the program is too large for the 8-digit trailer");
    char digits[16];
    std::snprintf(digits, sizeof digits, "%08u", unsigned(offset));
    return Scramble(std::string(digits, qbk::kTrailerDigits) + std::string(1, '\0'));
}

std::string AppendProject(const std::string& program, const ProjectPlan& project)
{
    return program + WriteProjectStream(project) + MakeTrailer(program.size());
}

std::string ReadWholeFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot open " + path);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void WriteWholeFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
    out.close();
    if (!out) throw std::runtime_error("cannot write " + path);
}

}  // namespace qbkw

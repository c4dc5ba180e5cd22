#include "instruction_assembler.h"

#include <cctype>
#include <stdexcept>
#include <vector>

#include "../runtime/core/model/stored_format.h"
#include "quoted_text.h"

namespace qbkw {
namespace {

bool IsNameChar(char c) { return std::isalnum((unsigned char)c) || c == '_'; }
bool IsDigits(const std::string& s)
{
    if (s.empty()) return false;
    for (char c : s)
        if (!std::isdigit((unsigned char)c)) return false;
    return true;
}

class Assembler {
public:
    Assembler(const std::string& source, const ReferenceNames& names) : s_(source), names_(names) {}

    std::string Reference(int currentWindow)
    {
        SkipBlanks();
        Expect('@');
        std::vector<std::string> parts{Name()};
        while (Peek() == '.') {
            ++pos_;
            parts.push_back(Name());
        }
        if (parts.size() < 2 || parts.size() > 3) Fail("a reference is object.command or window.object.command");
        int window = currentWindow;
        if (parts.size() == 3) {
            window = IsDigits(parts[0]) ? std::stoi(parts[0]) : names_.WindowId(parts[0]);
            if (window < 0) Fail("unknown window " + parts[0]);
        }
        const std::string& objectName = parts[parts.size() - 2];
        int type = -1;
        int object = names_.ObjectId(window, objectName, &type);
        if (object < 0 && IsDigits(objectName)) object = std::stoi(objectName);
        if (object < 0) Fail("unknown object " + objectName);
        const std::string& commandName = parts.back();
        int command = IsDigits(commandName) ? std::stoi(commandName) : names_.CommandNumber(type, commandName);
        if (command < 0) Fail("unknown command " + commandName);

        std::string out;
        out += qbk::kRefOpen;
        out += std::to_string(window);
        out += qbk::kRefObject;
        out += std::to_string(object);
        out += qbk::kRefNumber;
        out += std::to_string(command);
        out += qbk::kRefParams;
        SkipBlanks();
        Expect('(');
        SkipBlanks();
        if (Peek() == ')') {
            ++pos_;
        } else {
            for (;;) {
                out += Expression(currentWindow);
                out += qbk::kArgEnd;
                SkipBlanks();
                if (Peek() == ',') {
                    ++pos_;
                    continue;
                }
                Expect(')');
                break;
            }
        }
        out += qbk::kRefClose;
        return out;
    }

    void End()
    {
        SkipBlanks();
        if (pos_ < s_.size()) Fail("unexpected text after the instruction");
    }

private:
    std::string Expression(int currentWindow)
    {
        std::string out = Operand(currentWindow);
        for (;;) {
            SkipBlanks();
            char op = 0;
            switch (Peek()) {
            case '+': op = qbk::kOpAdd; break;
            case '-': op = qbk::kOpSubtract; break;
            case '*': op = qbk::kOpMultiply; break;
            case '/': op = qbk::kOpDivide; break;
            case '&': op = qbk::kOpJoin; break;
            default: return out;
            }
            ++pos_;
            out += op;
            out += Operand(currentWindow);
        }
    }

    std::string Operand(int currentWindow)
    {
        SkipBlanks();
        const char c = Peek();
        if (c == '"') return Quoted();
        if (c == '@') return Reference(currentWindow);
        if (c == ',' || c == ')') return "";  // an empty operand
        size_t start = pos_;
        if (c == '-' || c == '.' || std::isdigit((unsigned char)c)) {
            ++pos_;
            while (std::isdigit((unsigned char)Peek()) || Peek() == '.') ++pos_;
        } else if (IsNameChar(c)) {
            while (IsNameChar(Peek())) ++pos_;
        } else if (c == '=' || c == '!' || c == '<' || c == '>') {
            while (Peek() == '=' || Peek() == '!' || Peek() == '<' || Peek() == '>') ++pos_;
        } else {
            Fail(std::string("unexpected character '") + c + "'");
        }
        return s_.substr(start, pos_ - start);
    }

    std::string Quoted()
    {
        try {
            return ReadQuotedText(s_, pos_);
        } catch (const std::runtime_error& e) {
            Fail(e.what());
        }
    }

    std::string Name()
    {
        size_t start = pos_;
        while (IsNameChar(Peek())) ++pos_;
        if (start == pos_) Fail("a name or number is missing");
        return s_.substr(start, pos_ - start);
    }

    char Peek() const { return pos_ < s_.size() ? s_[pos_] : '\0'; }
    void SkipBlanks()
    {
        while (pos_ < s_.size() && (s_[pos_] == ' ' || s_[pos_] == '\t')) ++pos_;
    }
    void Expect(char c)
    {
        if (Peek() != c) Fail(std::string("'") + c + "' expected");
        ++pos_;
    }
    [[noreturn]] void Fail(const std::string& what) const
    {
        throw std::runtime_error(what + " at column " + std::to_string(pos_ + 1));
    }

    const std::string& s_;
    const ReferenceNames& names_;
    size_t pos_ = 0;
};

}  // namespace

std::string AssembleInstruction(const std::string& source, int currentWindowId, const ReferenceNames& names)
{
    Assembler assembler(source, names);
    std::string out = assembler.Reference(currentWindowId);
    assembler.End();
    return out;
}

}  // namespace qbkw

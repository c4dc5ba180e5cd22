// Any sequence of memory-stream operations keeps the stream equal to a plain model of its bytes.
#include "KMemStream.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void Check(bool ok)
{
    if (!ok) {
        std::abort();
    }
}

// What a write at pos does to the bytes.
void WriteModel(std::string& model, size_t& pos, const std::string& bytes)
{
    if (pos + bytes.size() > model.size()) {
        model.resize(pos + bytes.size());
    }
    model.replace(pos, bytes.size(), bytes);
    pos += bytes.size();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    KMemStream s;
    std::string model;
    size_t pos = 0;
    for (size_t i = 0; i + 2 < size; i += 3) {
        int op = data[i] % 9;
        int a = data[i + 1] * 13;
        int b = data[i + 2] * 7;
        switch (op) {
        case 0: {  // write a run of bytes
            std::string bytes(static_cast<size_t>(b % 50), static_cast<char>(a));
            Check(s.Write(bytes.data(), static_cast<int>(bytes.size())) == static_cast<int>(bytes.size()));
            WriteModel(model, pos, bytes);
            break;
        }
        case 1:
            s.Seek(a - 100);
            pos = (a - 100 < 0 || static_cast<size_t>(a - 100) > model.size()) ? model.size()
                                                                               : static_cast<size_t>(a - 100);
            break;
        case 2:
            Check(s.SetSize(b));
            model.resize(static_cast<size_t>(b), '\0');
            pos = pos > model.size() ? model.size() : pos;
            break;
        case 3: {  // insert a gap and fill it
            bool ok = s.Insert(a, b % 40);
            Check(ok == (a <= static_cast<int>(model.size()) && b % 40 >= 1));
            if (ok) {
                std::string fill(static_cast<size_t>(b % 40), 'g');
                model.insert(static_cast<size_t>(a), fill);
                int keep = s.Tell();
                s.Seek(a);
                s.Write(fill.data(), static_cast<int>(fill.size()));
                s.Seek(keep);
            }
            break;
        }
        case 4: {
            bool ok = s.Remove(a, b % 40);
            Check(ok ==
                  (a < static_cast<int>(model.size()) && b % 40 >= 1 && a + b % 40 <= static_cast<int>(model.size())));
            if (ok) {
                model.erase(static_cast<size_t>(a), static_cast<size_t>(b % 40));
                pos = pos > model.size() ? model.size() : pos;
            }
            break;
        }
        case 5: {
            KString line;
            s.ReadLine(line, (a & 1) != 0);
            size_t end = model.find("\r\n", pos);
            pos = end == std::string::npos ? model.size() : end + 2;
            break;
        }
        case 6: {
            KString text;
            int n = s.ReadText(text, b % 60 - 5);
            Check(text.Length() == n);
            Check(std::string(text.c_str(), static_cast<size_t>(n)) == model.substr(pos, static_cast<size_t>(n)));
            pos += static_cast<size_t>(n);
            break;
        }
        case 7: {
            int n = s.CopyFrom(&s, b % 30 - 3);
            pos += static_cast<size_t>(n);
            break;
        }
        default: {
            KMemStream other;
            other.WriteText("copied");
            other.Seek(a % 7);
            std::string bytes = std::string("copied").substr(static_cast<size_t>(a % 7 > 6 ? 6 : a % 7));
            Check(s.CopyFrom(&other) == static_cast<int>(bytes.size()));
            WriteModel(model, pos, bytes);
            break;
        }
        }
        Check(s.Size() == static_cast<int>(model.size()));
        Check(s.Tell() == static_cast<int>(pos));
        Check(model.empty() || std::string(reinterpret_cast<const char*>(s.GetData()), model.size()) == model);
    }
    return 0;
}

// Turns the readable form of an instruction ("@window.object.command(args)") into the instruction
// bytes that the runtime compiles: 0x01 window 0x02 object 0x03 number 0x04 arguments 0x06.
#pragma once

#include <string>

namespace qbkw {

class ReferenceNames {
public:
    virtual ~ReferenceNames() = default;
    // Each answers -1 when the name is unknown.
    virtual int WindowId(const std::string& name) const = 0;
    virtual int ObjectId(int windowId, const std::string& name, int* type) const = 0;
    virtual int CommandNumber(int type, const std::string& word) const = 0;
};

// Throws std::runtime_error with a description of what is wrong.
std::string AssembleInstruction(const std::string& source, int currentWindowId, const ReferenceNames& names);

}  // namespace qbkw

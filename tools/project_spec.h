// A project as the writer sees it: everything that goes into a stored project stream, in plain
// C++ containers. Built from a text description (project_description.h) or directly by tests.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "../runtime/core/object_types.h"

namespace qbkw {

struct ObjectSpec {
    std::string name;
    int type = 0;
    std::string caption = "New Object";
    int32_t left = 10, top = 10, width = 150, height = 150;
    uint32_t style = 0x50000000, exStyle = 0, flags = 0, value4 = 0;
    int32_t value5 = 0, value6 = 0, value7 = -1, value8 = -1;
    std::string header;
    std::vector<std::string> properties;  // each "name" 0xA4 "value"
    std::vector<std::vector<std::string>> events;  // instruction texts per event index
    // Damaged-project tests: write this count instead of events.size() (events are padded or cut).
    std::optional<int> eventCountOverride;

    void SetProperty(const std::string& key, const std::string& value);
};

struct WindowSpec {
    std::vector<std::string> functionNames;  // exactly 100 when written (padded with defaults)
    std::vector<ObjectSpec> objects;  // entries 0 to 11 are the built-in objects

    // A window with its 12 built-in objects and default function names; entry 3 holds the name.
    static WindowSpec Make(const std::string& name);
    ObjectSpec& Self() { return objects[qbk::kWindowObjectIndex]; }
    const ObjectSpec& Self() const { return objects[qbk::kWindowObjectIndex]; }
    ObjectSpec& Add(int type, const std::string& name);
};

struct ProjectSpec;

struct FileSpec {
    int type = 0;
    std::string name;
    std::string data;  // plain bytes
    std::optional<int64_t> sizeOverride;  // damaged-project tests: written instead of data.size()
    std::shared_ptr<ProjectSpec> nested;  // type 3 only
};

struct ProjectSpec {
    bool nestedMode = false;
    std::array<std::vector<std::string>, qbk::kObjectTypeCount> commandWords;
    std::string appName = "QBK Application";
    std::string secondName = "MyName";
    std::string splash = "0";
    // Nested mode: offered function names, their targets ("Window:Function"), a third list, and
    // one parameter-name list per offered function.
    std::array<std::vector<std::string>, 3> nestedLists;
    std::vector<std::vector<std::string>> nestedParams;
    std::vector<WindowSpec> windows;
    std::vector<FileSpec> files;
};

// The default name of function i (0-based): "zzFunc" and the number i + 1 in three digits.
std::string DefaultFunctionName(int index);

}  // namespace qbkw

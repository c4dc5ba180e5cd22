// A project as the writer sees it: everything that goes into a stored project stream, in plain
// C++ containers. Built from a text description (project_description.h) or directly by tests.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "../runtime/core/model/object_types.h"

namespace qbkw {

struct ObjectPlan {
    std::string name;
    int type = 0;
    std::string caption = "New Object";
    int32_t left = 10, top = 10, width = 150, height = 150;
    uint32_t style = 0x50000000, exStyle = 0, flags = 0, extraStyle = 0;
    int32_t unusedNumber = 0, anchor = 0, backColor = -1, textColor = -1;
    std::string header;
    std::vector<std::string> properties;  // each "name" 0xA4 "value"
    std::vector<std::vector<std::string>> events;  // instruction texts per event index
    // Damaged-project tests: write this count instead of events.size() (events are padded or cut).
    std::optional<int> eventCountOverride;

    void SetProperty(const std::string& key, const std::string& value);
};

struct WindowPlan {
    std::vector<std::string> functionNames;  // exactly 100 when written (padded with defaults)
    std::vector<ObjectPlan> objects;  // entries 0 to 11 are the built-in objects

    // A window with its 12 built-in objects and default function names; entry 3 holds the name.
    static WindowPlan Make(const std::string& name);
    ObjectPlan& Self() { return objects[qbk::kWindowObjectIndex]; }
    const ObjectPlan& Self() const { return objects[qbk::kWindowObjectIndex]; }
    ObjectPlan& Add(int type, const std::string& name);
};

struct ProjectPlan;

struct FilePlan {
    int type = 0;
    std::string name;
    std::string data;  // plain bytes
    std::optional<int64_t> sizeOverride;  // damaged-project tests: written instead of data.size()
    std::shared_ptr<ProjectPlan> nested;  // type 3 only
};

struct ProjectPlan {
    bool nestedMode = false;
    std::array<std::vector<std::string>, qbk::kObjectTypeCount> commandWords;
    std::string appName = "QBK Application";
    std::string secondName = "MyName";
    std::string splash = "0";
    // Nested mode: offered function names, their targets ("Window:Function"), a third list, and
    // one parameter-name list per offered function.
    std::array<std::vector<std::string>, 3> nestedLists;
    std::vector<std::vector<std::string>> nestedParams;
    std::vector<WindowPlan> windows;
    std::vector<FilePlan> files;
};

// The default name of function i (0-based): "zzFunc" and the number i + 1 in three digits.
std::string DefaultFunctionName(int index);

}  // namespace qbkw

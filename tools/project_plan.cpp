#include "project_plan.h"

#include <cstdio>

#include "../runtime/core/model/stored_format.h"

namespace qbkw {

std::string DefaultFunctionName(int index)
{
    char text[32];
    std::snprintf(text, sizeof text, "zzFunc%03d", index + 1);
    return text;
}

void ObjectPlan::SetProperty(const std::string& key, const std::string& value)
{
    const std::string prefix = key + char(qbk::kPropertySeparator);
    for (std::string& entry : properties) {
        if (entry.compare(0, prefix.size(), prefix) == 0) {
            entry = prefix + value;
            return;
        }
    }
    properties.push_back(prefix + value);
}

static ObjectPlan MakeObject(int type, const std::string& name)
{
    ObjectPlan object;
    object.type = type;
    object.name = name.empty() ? "obj" + std::to_string(type) : name;
    if (type == qbk::TypeWindow) {
        object.left = object.top = 0;
        object.width = 520;
        object.height = 340;
    }
    object.events.resize(qbk::ObjectTypeEventCount(type));
    return object;
}

WindowPlan WindowPlan::Make(const std::string& name)
{
    WindowPlan window;
    for (int i = 0; i < qbk::kFunctionCount; ++i) window.functionNames.push_back(DefaultFunctionName(i));
    for (int type = 0; type < qbk::kBuiltInObjectCount; ++type)
        window.objects.push_back(MakeObject(type, type == qbk::kWindowObjectIndex ? name : ""));
    return window;
}

ObjectPlan& WindowPlan::Add(int type, const std::string& name)
{
    objects.push_back(MakeObject(type, name));
    return objects.back();
}

}  // namespace qbkw

// The menu a MenuBar or PopupMenu object holds, for the commands of other objects that use it (an
// MDI area lists its windows in a menu bar's menu).
#pragma once

#include "fw_types.h"
#include "project_model.h"

// The part of a menu object that holds its menu.
class MenuHolder : public ObjectPart {
public:
    // Null while the object has no menu yet.
    virtual HMENU MenuHandle() const = 0;
};

// The menu of an object of that type; null for no object, another type, or no menu yet.
inline HMENU MenuOfObject(const ObjectRecord* object, int type)
{
    if (!object || object->Type != type) return nullptr;
    const MenuHolder* holder = object->FindPart<MenuHolder>();
    const HMENU menu = holder ? holder->MenuHandle() : nullptr;
    return menu && ::IsMenu(menu) ? menu : nullptr;
}

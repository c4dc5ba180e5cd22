// The command table of the script commands: the runtime's dispatcher looks handlers up in it.
#pragma once

#include "object_types.h"
#include "script_frame.h"

class ScriptCommandTable : public CommandTable {
public:
    const CommandEntry* FindOwn(int type, int command) const override;
    const CommandEntry* FindObjectCommand(int command) const override;
    const CommandEntry* FindControlCommand(int command) const override;
};

const ScriptCommandTable& GetScriptCommandTable();

// The readable text form of a project, turned into a ProjectPlan with instruction texts assembled.
// Blocks (window, object, builtin, function, event, nested) hold the lines indented deeper than
// their first line; an "end" at the block's own indentation may close it.
//
//   app-name "Settings"                   second-name "Name"        splash 0
//   commands Window Close Show            (command words of a type, numbered in order)
//   window MAIN                           (attributes of the window's own object, then blocks)
//     caption "Main"   rect 0 0 400 300   style 0x10CF0000   property "Key" "Value"   clones 3
//     event 16                            (an event of the window object)
//       @Application.23("done")           (object.command(arguments) in this window)
//       @Other.btn.Close()                (window.object.command)
//       $ a remark                        raw "\x01..."  (exact bytes)
//     end
//     object Button ok ... end            builtin Time ... end     function 0 Add ... end
//   end
//   file "image/logo.png" type 1 path "logo.png"     (or: text "...", hex "00ff")
//   nested "lib" ... offer Name "Window:Func" p1 p2 ... third x y ... window ... end
//
// Arguments are expressions: operands ("text", numbers, bare words, = != < > <= >=, nested
// @references) joined by + - * / (arithmetic) and & (join). Objects are named by name, by a
// built-in type name (Condition, Loop, Application ...) or by id; commands by word or number.
#pragma once

#include <stdexcept>
#include <string>

#include "project_plan.h"

namespace qbkw {

struct DescriptionError : std::runtime_error {
    DescriptionError(int line, const std::string& what);
    int line;
};

// baseFolder: where "path" files are looked up. Throws DescriptionError.
ProjectPlan ParseProjectDescription(const std::string& text, const std::string& baseFolder = ".");

}  // namespace qbkw

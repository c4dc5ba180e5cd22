// Raising an event of an object: the one way the window procedure, the control notifications and
// the object classes run an object's event script with its parameter texts.
#pragma once

#include <initializer_list>

#include "project_model.h"

// Runs event `index` of `object` in `window` with the parameter texts and answers the script's
// result ("" when nothing ran). Nothing runs while the project is being released.
CString RaiseEvent(CProjectRuntime& runtime, WindowRecord& window, ObjectRecord& object, int index,
                   std::initializer_list<CString> parameters = {});
CString RaiseEvent(CProjectRuntime& runtime, WindowRecord& window, ObjectRecord& object, int index,
                   const ArgumentBlock& parameters);
// The same with numbers as parameters, written in decimal.
CString RaiseEventWithNumbers(CProjectRuntime& runtime, WindowRecord& window, ObjectRecord& object, int index,
                              std::initializer_list<long long> numbers);

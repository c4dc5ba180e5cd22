#include "script_value.h"

#include "decimal_text.h"
#include "value_format.h"

bool IsWholeText(const CString& text, double number) { return IsWholeNumber(number) && DoubleToString(number) == text; }

void ScriptValue::SetFraction()
{
    m_text = DoubleToString(m_number);
    m_state = kText;  // the number is what the six decimals read as
}

void ScriptValue::MakeText() const
{
    // Only a whole number lacks its text.
    m_text = FormatNumber(static_cast<int64_t>(m_number));
    m_state |= kText;
}

void ScriptValue::MakeNumber() const
{
    m_number = TextToDouble(m_text);
    m_state |= kNumber;
}

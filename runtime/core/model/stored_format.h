// Constants of the stored project format and of instruction texts, shared by the reader, the
// compiler, the evaluator and the project writer.
#pragma once

namespace qbk {

// Every stored byte (trailer, fields, embedded data) is the plain byte plus this key, modulo 256.
constexpr unsigned char kProjectKey = 0x3A;
constexpr const char* kProjectMagic = "APPRUNTIME";
// The file ends with 8 scrambled decimal digits (the stream offset) and one byte that is not read.
constexpr int kTrailerSize = 9;
constexpr int kTrailerDigits = 8;

constexpr char kListEnd[] = "&";  // ends a command-word list
constexpr unsigned char kPropertySeparator = 0xA4;
constexpr char kPropertyListEnd[] = "END\xA4";  // ends a property list
constexpr unsigned char kNestedListSeparator = 0x01;
constexpr int kNestedProjectFileType = 3;
constexpr int kTemporaryFileType = 2;  // extracted to a temporary file at load
constexpr int kFunctionCount = 100;  // functions (WindowCall events) per window

// Object reference: 0x01 window 0x02 object 0x03 number 0x04 parameters 0x06.
constexpr char kRefOpen = 0x01;
constexpr char kRefObject = 0x02;
constexpr char kRefNumber = 0x03;
constexpr char kRefParams = 0x04;
constexpr char kArgEnd = 0x05;
constexpr char kRefClose = 0x06;
// Operators inside an argument.
constexpr char kOpAdd = 0x09;
constexpr char kOpSubtract = 0x0A;
constexpr char kOpMultiply = 0x0D;
constexpr char kOpDivide = 0x0E;
constexpr char kOpJoin = 0x0F;
// An instruction text that begins with this byte is a remark.
constexpr char kRemarkMark = '$';

}  // namespace qbk

// Processor faults of the arithmetic: their codes and the exceptions they
// become.
#pragma once

#include <cstdint>

#include "numeric/exceptions.h"

namespace peruka {

// Processor fault codes and the exceptions they become (RaiseFault). Under
// the program's control word the arithmetic delivers only the first three.
inline constexpr std::uint32_t kFaultFloatDivideByZero = 0xC000008E;      // EZeroDivide
inline constexpr std::uint32_t kFaultFloatInvalidOperation = 0xC0000090;  // EInvalidOp
inline constexpr std::uint32_t kFaultFloatOverflow = 0xC0000091;          // EOverflow
inline constexpr std::uint32_t kFaultFloatStackCheck = 0xC0000092;        // EInvalidOp
inline constexpr std::uint32_t kFaultFloatInexactResult = 0xC000008F;     // EInvalidOp
inline constexpr std::uint32_t kFaultFloatUnderflow = 0xC0000093;         // EUnderflow
inline constexpr std::uint32_t kFaultFloatDenormalOperand = 0xC000008D;   // EUnderflow
inline constexpr std::uint32_t kFaultIntDivideByZero = 0xC0000094;        // EDivByZero
inline constexpr std::uint32_t kFaultIntOverflow = 0xC0000095;            // EIntOverflow
inline constexpr std::uint32_t kFaultArrayBoundsExceeded = 0xC000008C;    // ERangeError
inline constexpr std::uint32_t kFaultPrivilegedInstruction = 0xC0000096;  // EPrivilege
inline constexpr std::uint32_t kFaultStackOverflow = 0xC00000FD;          // EStackOverflow
inline constexpr std::uint32_t kFaultControlCExit = 0xC000013A;           // EControlC

// Throws the exception object that a processor fault with this code becomes,
// with the message of runtime_messages.h; any other code gives an
// EExternalException "外部例外 <code in hexadecimal>".
[[noreturn]] void RaiseFault(std::uint32_t code);

// The four floating-point texts as NUL-terminated Shift-JIS, for older
// callers; RuntimeMessageText in runtime_messages.h gives every text.
namespace messages {
extern const char* const kInvalidOp;   // 無効な浮動小数点操作
extern const char* const kZeroDivide;  // 浮動小数点ｴﾗｰ: ｾﾞﾛによる除算
extern const char* const kOverflow;    // 浮動小数点ｴﾗｰ: ｵｰﾊﾞｰﾌﾛｰ
extern const char* const kUnderflow;   // 浮動小数点ｴﾗｰ: ｱﾝﾀﾞｰﾌﾛｰ
}  // namespace messages

}  // namespace peruka

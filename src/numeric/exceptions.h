// The exception classes of the runtime. Messages are Shift-JIS byte strings;
// the window layer shows them followed by ".".
#pragma once

#include <cstdint>
#include <exception>
#include <string>

namespace peruka {

class Exception : public std::exception {
 public:
  explicit Exception(std::string message) : message_(std::move(message)) {}
  const std::string& Message() const { return message_; }
  int HelpContext() const { return helpContext_; }
  const char* what() const noexcept override { return message_.c_str(); }
  virtual const char* ClassName() const { return "Exception"; }

 private:
  std::string message_;
  int helpContext_ = 0;
};

#define PERUKA_EXCEPTION_CLASS(Name, Base)                   \
  class Name : public Base {                                 \
   public:                                                   \
    using Base::Base;                                        \
    const char* ClassName() const override { return #Name; } \
  }

PERUKA_EXCEPTION_CLASS(EConvertError, Exception);
PERUKA_EXCEPTION_CLASS(EMathError, Exception);
PERUKA_EXCEPTION_CLASS(EInvalidOp, EMathError);
PERUKA_EXCEPTION_CLASS(EZeroDivide, EMathError);
PERUKA_EXCEPTION_CLASS(EOverflow, EMathError);
PERUKA_EXCEPTION_CLASS(EUnderflow, EMathError);
PERUKA_EXCEPTION_CLASS(EIntError, Exception);
PERUKA_EXCEPTION_CLASS(EDivByZero, EIntError);
PERUKA_EXCEPTION_CLASS(ERangeError, EIntError);
PERUKA_EXCEPTION_CLASS(EIntOverflow, EIntError);
PERUKA_EXCEPTION_CLASS(EAccessViolation, Exception);
PERUKA_EXCEPTION_CLASS(EPrivilege, Exception);
PERUKA_EXCEPTION_CLASS(EStackOverflow, Exception);
PERUKA_EXCEPTION_CLASS(EControlC, Exception);
PERUKA_EXCEPTION_CLASS(EAbort, Exception);

#undef PERUKA_EXCEPTION_CLASS

class EExternalException : public Exception {
 public:
  EExternalException(std::string message, std::uint32_t code) : Exception(std::move(message)), code_(code) {}
  std::uint32_t Code() const { return code_; }
  const char* ClassName() const override { return "EExternalException"; }

 private:
  std::uint32_t code_;
};

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

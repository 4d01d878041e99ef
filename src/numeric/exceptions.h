// The exception classes of the runtime. Messages are Shift-JIS byte strings;
// the window layer shows them followed by ".".
#pragma once

#include <cstdint>
#include <exception>
#include <string>
#include <utility>

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

}  // namespace peruka

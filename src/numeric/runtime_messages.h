// Every text that an exception of the runtime carries, in one table: the
// message's name, the exception class that carries it, its Shift-JIS bytes as
// they are shown and, beside them, the same text in UTF-8 for reading.
// faults_test converts each UTF-8 twin and requires the bytes.
#pragma once

#include <cstddef>
#include <iterator>
#include <string>
#include <string_view>

#include "numeric/exceptions.h"

namespace peruka {

enum class RuntimeMessage {
  InvalidOp,
  ZeroDivide,
  Overflow,
  Underflow,
  IntDivideByZero,
  IntOverflow,
  RangeCheck,
  Privilege,
  StackOverflow,
  ControlC,
  ExternalException,  // a format: "%X" takes the fault code
  NotFloat,           // a format: "%s" takes the refused text
  ResultTooLong,
};

// Throws an exception of class E with the given message.
template <typename E>
[[noreturn]] void RaiseAs(std::string message) {
  throw E(std::move(message));
}

struct RuntimeMessageEntry {
  RuntimeMessage name;
  // Throws the class that carries the message. Null for ExternalException,
  // whose class keeps the fault code as well (RaiseFault builds it).
  void (*raise)(std::string message);
  std::string_view shiftJis;
  std::u8string_view utf8;
};

// In the order of RuntimeMessage, each Shift-JIS text with its UTF-8 twin on
// the line below. Half-width katakana are single bytes.
// clang-format off
inline constexpr RuntimeMessageEntry kRuntimeMessages[] = {
    {RuntimeMessage::InvalidOp, &RaiseAs<EInvalidOp>,
     "\x96\xB3\x8C\xF8\x82\xC8\x95\x82\x93\xAE\x8F\xAC\x90\x94\x93_\x91\x80\x8D\xEC",
     u8"無効な浮動小数点操作"},
    {RuntimeMessage::ZeroDivide, &RaiseAs<EZeroDivide>,
     "\x95\x82\x93\xAE\x8F\xAC\x90\x94\x93_\xB4\xD7\xB0: \xBE\xDE\xDB\x82\xC9\x82\xE6\x82\xE9\x8F\x9C\x8EZ",
     u8"浮動小数点ｴﾗｰ: ｾﾞﾛによる除算"},
    {RuntimeMessage::Overflow, &RaiseAs<EOverflow>,
     "\x95\x82\x93\xAE\x8F\xAC\x90\x94\x93_\xB4\xD7\xB0: \xB5\xB0\xCA\xDE\xB0\xCC\xDB\xB0",
     u8"浮動小数点ｴﾗｰ: ｵｰﾊﾞｰﾌﾛｰ"},
    {RuntimeMessage::Underflow, &RaiseAs<EUnderflow>,
     "\x95\x82\x93\xAE\x8F\xAC\x90\x94\x93_\xB4\xD7\xB0: \xB1\xDD\xC0\xDE\xB0\xCC\xDB\xB0",
     u8"浮動小数点ｴﾗｰ: ｱﾝﾀﾞｰﾌﾛｰ"},
    {RuntimeMessage::IntDivideByZero, &RaiseAs<EDivByZero>,
     "0 \x82\xC9\x82\xE6\x82\xE9\x8F\x9C\x8EZ",
     u8"0 による除算"},
    {RuntimeMessage::IntOverflow, &RaiseAs<EIntOverflow>,
     "\x90\xAE\x90\x94\x82\xCC\xB5\xB0\xCA\xDE\xB0\xCC\xDB\xB0",
     u8"整数のｵｰﾊﾞｰﾌﾛｰ"},
    {RuntimeMessage::RangeCheck, &RaiseAs<ERangeError>,
     "\x94\xCD\x88\xCD\xC1\xAA\xAF\xB8\xB4\xD7\xB0",
     u8"範囲ﾁｪｯｸｴﾗｰ"},
    {RuntimeMessage::Privilege, &RaiseAs<EPrivilege>,
     "\x93\xC1\x8C\xA0\x96\xBD\x97\xDF\x88\xE1\x94\xBD",
     u8"特権命令違反"},
    {RuntimeMessage::StackOverflow, &RaiseAs<EStackOverflow>,
     "\xBD\xC0\xAF\xB8 \xB5\xB0\xCA\xDE\xB0\xCC\xDB\xB0",
     u8"ｽﾀｯｸ ｵｰﾊﾞｰﾌﾛｰ"},
    {RuntimeMessage::ControlC, &RaiseAs<EControlC>,
     "CTRL-C",
     u8"CTRL-C"},
    {RuntimeMessage::ExternalException, nullptr,
     "\x8AO\x95\x94\x97\xE1\x8AO %X",
     u8"外部例外 %X"},
    {RuntimeMessage::NotFloat, &RaiseAs<EConvertError>,
     "'%s' "
     "\x82\xCD\x95\x82\x93\xAE\x8F\xAC\x90\x94\x93_\x82\xC5\x82\xCD\x82\xA0\x82\xE8\x82\xDC\x82\xB9\x82\xF1",
     u8"'%s' は浮動小数点ではありません"},
    {RuntimeMessage::ResultTooLong, &RaiseAs<EConvertError>,
     "\x8C\x8B\x89\xCA\x82\xAA 4096 \x95\xB6\x8E\x9A\x88\xC8\x8F\xE3\x82\xA0\x82\xE8\x82\xDC\x82\xB7",
     u8"結果が 4096 文字以上あります"},
};
// clang-format on

constexpr const RuntimeMessageEntry& RuntimeMessageEntryOf(RuntimeMessage name) {
  return kRuntimeMessages[static_cast<std::size_t>(name)];
}

// The Shift-JIS text (or format) of a message.
constexpr std::string_view RuntimeMessageText(RuntimeMessage name) {
  return RuntimeMessageEntryOf(name).shiftJis;
}

namespace runtime_messages_detail {
constexpr bool EveryEntryInItsPlace() {
  for (std::size_t i = 0; i < std::size(kRuntimeMessages); ++i)
    if (static_cast<std::size_t>(kRuntimeMessages[i].name) != i) return false;
  return static_cast<std::size_t>(RuntimeMessage::ResultTooLong) + 1 == std::size(kRuntimeMessages);
}
}  // namespace runtime_messages_detail
static_assert(runtime_messages_detail::EveryEntryInItsPlace(),
              "kRuntimeMessages must hold every RuntimeMessage once, in order");

// Throws the message's exception with its text as it stands.
[[noreturn]] void RaiseRuntimeMessage(RuntimeMessage name);

// Throws the message's exception with `text`, built from the message's format.
[[noreturn]] void RaiseRuntimeMessage(RuntimeMessage name, std::string text);

}  // namespace peruka

#include "numeric/exceptions.h"

#include <cstdio>

namespace peruka {

namespace messages {
const char* const kInvalidOp =  // 無効な浮動小数点操作
    "\x96\xB3\x8C\xF8\x82\xC8\x95\x82\x93\xAE\x8F\xAC\x90\x94\x93_\x91\x80\x8D\xEC";
const char* const kZeroDivide =  // 浮動小数点ｴﾗｰ: ｾﾞﾛによる除算
    "\x95\x82\x93\xAE\x8F\xAC\x90\x94\x93_\xB4\xD7\xB0: \xBE\xDE\xDB\x82\xC9\x82\xE6\x82\xE9\x8F\x9C\x8EZ";
const char* const kOverflow =  // 浮動小数点ｴﾗｰ: ｵｰﾊﾞｰﾌﾛｰ
    "\x95\x82\x93\xAE\x8F\xAC\x90\x94\x93_\xB4\xD7\xB0: \xB5\xB0\xCA\xDE\xB0\xCC\xDB\xB0";
const char* const kUnderflow =  // 浮動小数点ｴﾗｰ: ｱﾝﾀﾞｰﾌﾛｰ
    "\x95\x82\x93\xAE\x8F\xAC\x90\x94\x93_\xB4\xD7\xB0: \xB1\xDD\xC0\xDE\xB0\xCC\xDB\xB0";
}  // namespace messages

namespace {

const char* const kIntDivideByZero = "0 \x82\xC9\x82\xE6\x82\xE9\x8F\x9C\x8EZ";  // 0 による除算
const char* const kIntOverflow =
    "\x90\xAE\x90\x94\x82\xCC\xB5\xB0\xCA\xDE\xB0\xCC\xDB\xB0";  // 整数のｵｰﾊﾞｰﾌﾛｰ
const char* const kRangeCheck = "\x94\xCD\x88\xCD\xC1\xAA\xAF\xB8\xB4\xD7\xB0";  // 範囲ﾁｪｯｸｴﾗｰ
const char* const kPrivilege = "\x93\xC1\x8C\xA0\x96\xBD\x97\xDF\x88\xE1\x94\xBD";  // 特権命令違反
const char* const kStackOverflow = "\xBD\xC0\xAF\xB8 \xB5\xB0\xCA\xDE\xB0\xCC\xDB\xB0";  // ｽﾀｯｸ ｵｰﾊﾞｰﾌﾛｰ
const char* const kExternalFormat = "\x8AO\x95\x94\x97\xE1\x8AO %X";                     // 外部例外 %X

}  // namespace

void RaiseFault(std::uint32_t code) {
  switch (code) {
    case 0xC000008E:
      throw EZeroDivide(messages::kZeroDivide);
    case 0xC0000090:  // invalid operation
    case 0xC0000092:  // stack check
    case 0xC000008F:  // inexact result
      throw EInvalidOp(messages::kInvalidOp);
    case 0xC0000091:
      throw EOverflow(messages::kOverflow);
    case 0xC0000093:  // underflow
    case 0xC000008D:  // denormal operand
      throw EUnderflow(messages::kUnderflow);
    case 0xC0000094:
      throw EDivByZero(kIntDivideByZero);
    case 0xC0000095:
      throw EIntOverflow(kIntOverflow);
    case 0xC000008C:
      throw ERangeError(kRangeCheck);
    case 0xC0000096:
      throw EPrivilege(kPrivilege);
    case 0xC00000FD:
      throw EStackOverflow(kStackOverflow);
    case 0xC000013A:
      throw EControlC("CTRL-C");
    default: {
      char text[64];
      std::snprintf(text, sizeof text, kExternalFormat, static_cast<unsigned>(code));
      throw EExternalException(text, code);
    }
  }
}

}  // namespace peruka

// Processor fault codes to exception objects, and the runtime's message texts
// in Shift-JIS.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <typeinfo>

#include "numeric/faults.h"
#include "numeric/runtime_messages.h"
#include "text/shift_jis.h"

namespace peruka {
namespace {

struct FaultRow {
  std::uint32_t code;
  const char* className;
  const char* message;  // UTF-8
};

const FaultRow kFaultTable[] = {
    {0xC000008E, "EZeroDivide", "浮動小数点ｴﾗｰ: ｾﾞﾛによる除算"},
    {0xC0000090, "EInvalidOp", "無効な浮動小数点操作"},
    {0xC0000092, "EInvalidOp", "無効な浮動小数点操作"},
    {0xC000008F, "EInvalidOp", "無効な浮動小数点操作"},
    {0xC0000091, "EOverflow", "浮動小数点ｴﾗｰ: ｵｰﾊﾞｰﾌﾛｰ"},
    {0xC0000093, "EUnderflow", "浮動小数点ｴﾗｰ: ｱﾝﾀﾞｰﾌﾛｰ"},
    {0xC000008D, "EUnderflow", "浮動小数点ｴﾗｰ: ｱﾝﾀﾞｰﾌﾛｰ"},
    {0xC0000094, "EDivByZero", "0 による除算"},
    {0xC0000095, "EIntOverflow", "整数のｵｰﾊﾞｰﾌﾛｰ"},
    {0xC000008C, "ERangeError", "範囲ﾁｪｯｸｴﾗｰ"},
    {0xC0000096, "EPrivilege", "特権命令違反"},
    {0xC00000FD, "EStackOverflow", "ｽﾀｯｸ ｵｰﾊﾞｰﾌﾛｰ"},
    {0xC000013A, "EControlC", "CTRL-C"},
};

// The family a class name belongs to, checked through the C++ types.
bool InFamily(const Exception& e, const std::string& className) {
  if (className == "EZeroDivide" || className == "EInvalidOp" || className == "EOverflow" ||
      className == "EUnderflow")
    return dynamic_cast<const EMathError*>(&e) != nullptr;
  if (className == "EDivByZero" || className == "EIntOverflow" || className == "ERangeError")
    return dynamic_cast<const EIntError*>(&e) != nullptr;
  return dynamic_cast<const EMathError*>(&e) == nullptr && dynamic_cast<const EIntError*>(&e) == nullptr;
}

TEST(RaiseFault, TableOfCodes) {
  for (const auto& row : kFaultTable) {
    try {
      RaiseFault(row.code);
      ADD_FAILURE() << std::hex << row.code << " raised nothing";
    } catch (const Exception& e) {
      EXPECT_STREQ(e.ClassName(), row.className) << std::hex << row.code;
      EXPECT_TRUE(InFamily(e, row.className)) << std::hex << row.code;
      EXPECT_EQ(e.Message(), Utf8ToShiftJis(row.message)) << std::hex << row.code;
      EXPECT_EQ(e.HelpContext(), 0);
    }
  }
}

TEST(RaiseFault, TypesOfTheArithmeticFaults) {
  EXPECT_THROW(RaiseFault(kFaultFloatDivideByZero), EZeroDivide);
  EXPECT_THROW(RaiseFault(kFaultFloatInvalidOperation), EInvalidOp);
  EXPECT_THROW(RaiseFault(kFaultFloatOverflow), EOverflow);
}

TEST(RaiseFault, UnknownCodeIsAnExternalException) {
  for (const std::uint32_t code : {0xC0001234u, 0x0EEDFACEu, 0x80000003u, 0u}) {
    try {
      RaiseFault(code);
      ADD_FAILURE() << std::hex << code << " raised nothing";
    } catch (const EExternalException& e) {
      EXPECT_EQ(e.Code(), code);
      EXPECT_STREQ(e.ClassName(), "EExternalException");
      // "外部例外 " and the code in hexadecimal; the letter case is free.
      const std::string prefix = Utf8ToShiftJis("外部例外 ");
      ASSERT_EQ(e.Message().substr(0, prefix.size()), prefix);
      EXPECT_EQ(std::stoul(e.Message().substr(prefix.size()), nullptr, 16), code);
    }
  }
}

TEST(FaultMessages, SharedConstantsAreTheShiftJisTexts) {
  EXPECT_EQ(std::string(messages::kInvalidOp), Utf8ToShiftJis("無効な浮動小数点操作"));
  EXPECT_EQ(std::string(messages::kZeroDivide), Utf8ToShiftJis("浮動小数点ｴﾗｰ: ｾﾞﾛによる除算"));
  EXPECT_EQ(std::string(messages::kOverflow), Utf8ToShiftJis("浮動小数点ｴﾗｰ: ｵｰﾊﾞｰﾌﾛｰ"));
  EXPECT_EQ(std::string(messages::kUnderflow), Utf8ToShiftJis("浮動小数点ｴﾗｰ: ｱﾝﾀﾞｰﾌﾛｰ"));
  // Half-width katakana are single bytes.
  EXPECT_EQ(std::string(messages::kOverflow).size(), 23u);
}

TEST(RuntimeMessages, EveryUtf8TwinConvertsToTheStoredBytes) {
  for (const RuntimeMessageEntry& entry : kRuntimeMessages) {
    const std::string_view utf8(reinterpret_cast<const char*>(entry.utf8.data()), entry.utf8.size());
    EXPECT_EQ(Utf8ToShiftJis(utf8), entry.shiftJis) << utf8;
  }
}

}  // namespace
}  // namespace peruka

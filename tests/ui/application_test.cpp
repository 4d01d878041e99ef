// The application object: title, creation order, the error display and its
// texts, the end of the loop, and the settings-change notice.
#include "ui/application.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <stdexcept>

#include "numeric/exceptions.h"
#include "numeric/locale_mark.h"
#include "numeric/math_error.h"
#include "ui/qt/qt_widget.h"
#include "ui/qt/qt_window_layer.h"
#include "ui/window_layer.h"
#include "ui_test_support.h"

namespace peruka::testing {
namespace {

class ApplicationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    delete Application;
    Application = new TApplication(nullptr);
    Application->SetTitle(kApplicationTitle);
  }
  void TearDown() override {
    delete Application;
    Application = new TApplication(nullptr);
  }
};

TEST(ApplicationTitle, DefaultsToTheProgramNameInLowerCase) {
  EXPECT_EQ(DefaultTitle("/usr/bin/Peruka.Exe"), "Peruka");
  EXPECT_EQ(DefaultTitle("PERUKA"), "Peruka");
  EXPECT_EQ(DefaultTitle("MyAPP"), "Myapp");
  EXPECT_EQ(DefaultTitle("a.b.c"), "a");
  EXPECT_EQ(DefaultTitle(""), "");
}

struct CommandLine {
  const char* name;
  std::vector<const char*> given;
  const char* programName;  // all that Qt is given
};
void PrintTo(const CommandLine& c, std::ostream* os) {
  if (c.given.empty()) *os << "no arguments ";
  for (const char* argument : c.given) *os << Quoted(argument ? argument : "(null)") << ' ';
  *os << "gives Qt " << Quoted(c.programName);
}

class QtArgumentsTest : public ::testing::TestWithParam<CommandLine> {};

TEST_P(QtArgumentsTest, QtSeesOnlyTheProgramsName) {
  const CommandLine& c = GetParam();
  EXPECT_EQ(QtArguments(static_cast<int>(c.given.size()), c.given.data()),
            std::vector<std::string>{c.programName});
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, QtArgumentsTest,
    ::testing::Values(CommandLine{"NameAlone", {"peruka"}, "peruka"},
                      CommandLine{"Reverse", {"peruka", "-reverse"}, "peruka"},
                      CommandLine{
                          "WindowGeometry", {"./peruka", "-qwindowgeometry", "200x100+10+20"}, "./peruka"},
                      CommandLine{"StyleAndPlatform",
                                  {"/usr/bin/peruka", "-style", "Windows", "-platform", "offscreen", "x.txt"},
                                  "/usr/bin/peruka"},
                      CommandLine{"NoArguments", {}, "peruka"}, CommandLine{"NullName", {nullptr}, "peruka"},
                      CommandLine{"EmptyName", {"", "-reverse"}, "peruka"}),
    RowName());

TEST_F(ApplicationTest, TitleKeepsAtMost255Bytes) {
  Application->SetTitle(std::string(300, 'a'));
  EXPECT_EQ(Application->Title().size(), 255u);
  // A double-byte character is not cut in half.
  Application->SetTitle(std::string(254, 'a') + Sjis("あ"));
  EXPECT_EQ(Application->Title(), std::string(254, 'a'));
  Application->SetTitle(kApplicationTitle);
  EXPECT_EQ(Utf8(Application->Title()), "ペルカ");
}

struct ErrorText {
  const char* name;
  const char* message;
  const char* shown;
};
void PrintTo(const ErrorText& c, std::ostream* os) {
  *os << Quoted(c.message) << " shown as " << Quoted(c.shown);
}

class ErrorDisplayTest : public ApplicationTest, public ::testing::WithParamInterface<ErrorText> {};

TEST_P(ErrorDisplayTest, ShowsTheMessageAndAFullStop) {
  BoxWatcher boxes;
  Application->HandleException(std::make_exception_ptr(EConvertError(Sjis(GetParam().message))));
  ASSERT_EQ(boxes.Seen().size(), 1u);
  EXPECT_EQ(boxes.Seen()[0].text, GetParam().shown);
  EXPECT_EQ(boxes.Seen()[0].title, "ペルカ");
  EXPECT_EQ(boxes.Seen()[0].icon, QMessageBox::Critical);
  EXPECT_EQ(boxes.Seen()[0].buttons, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, ErrorDisplayTest,
    ::testing::Values(ErrorText{"Japanese", "浮動小数点ｴﾗｰ: ｾﾞﾛによる除算", "浮動小数点ｴﾗｰ: ｾﾞﾛによる除算."},
                      ErrorText{"EndsInAFullStop", "done.", "done.."}, ErrorText{"Empty", "", "."},
                      ErrorText{"MarkupCharacters", "a & <b>", "a & <b>."}),
    RowName());

TEST_F(ApplicationTest, EAbortShowsNothing) {
  BoxWatcher boxes;
  Application->HandleException(std::make_exception_ptr(EAbort("quiet")));
  EXPECT_TRUE(boxes.Seen().empty());
}

TEST_F(ApplicationTest, AForeignExceptionGetsTheGenericReport) {
  BoxWatcher boxes;
  Application->HandleException(std::make_exception_ptr(std::runtime_error("x")));
  ASSERT_EQ(boxes.Seen().size(), 1u);
  EXPECT_EQ(boxes.Seen()[0].title, "ｱﾌﾟﾘｹｰｼｮﾝ ｴﾗｰ");
  EXPECT_EQ(boxes.Seen()[0].text.rfind("std::runtime_errorがﾓｼﾞｭｰﾙ " + ExecutableFileName() + " の\n", 0),
            0u);
  EXPECT_NE(boxes.Seen()[0].text.find(" で発生しました。\n"), std::string::npos);
}

TEST_F(ApplicationTest, MathErrorsLeaveTheArithmeticInItsDefaultState) {
  BoxWatcher boxes;
  Application->HandleException(std::make_exception_ptr(EInvalidOp(Sjis("無効な浮動小数点操作"))));
  ASSERT_EQ(boxes.Seen().size(), 1u);
  EXPECT_EQ(boxes.Seen()[0].text, "無効な浮動小数点操作.");
  std::uint16_t cw = 0;
  asm volatile("fnstcw %0" : "=m"(cw));
  EXPECT_EQ(cw & 0x0F00, 0x0300);  // 64-bit significand, rounding to nearest
}

// A form that checks, while it is being built, that the reference already
// points at it.
class ProbeForm : public TForm {
 public:
  static ProbeForm* reference;
  static bool referenceSetBeforeConstruction;
  static int creations;
  explicit ProbeForm(TComponent* owner) : TForm(owner) {
    referenceSetBeforeConstruction = reference == this;
    OnCreate = [this](TObject*) {
      ++creations;
      EXPECT_EQ(reference, this);
      throw EConvertError("bad start");
    };
  }
};
ProbeForm* ProbeForm::reference = nullptr;
bool ProbeForm::referenceSetBeforeConstruction = false;
int ProbeForm::creations = 0;

class PlainForm : public TForm {
 public:
  explicit PlainForm(TComponent* owner) : TForm(owner) {}
};

class FailingForm : public TForm {
 public:
  explicit FailingForm(TComponent* owner) : TForm(owner) { throw EConvertError("no"); }
};

TEST_F(ApplicationTest, CreateFormSetsTheReferenceFirstAndMakesTheMainForm) {
  BoxWatcher boxes;
  Application->CreateForm(ProbeForm::reference);
  EXPECT_TRUE(ProbeForm::referenceSetBeforeConstruction);
  EXPECT_EQ(ProbeForm::creations, 1);
  // The exception in the creation handler was shown and creation went on.
  ASSERT_EQ(boxes.Seen().size(), 1u);
  EXPECT_EQ(boxes.Seen()[0].text, "bad start.");
  EXPECT_EQ(Application->MainForm(), ProbeForm::reference);
  // A second form is not the main form.
  PlainForm* second = nullptr;
  Application->CreateForm(second);
  EXPECT_NE(second, nullptr);
  EXPECT_EQ(Application->MainForm(), ProbeForm::reference);
}

TEST_F(ApplicationTest, AFailedConstructionClearsTheReference) {
  FailingForm* form = reinterpret_cast<FailingForm*>(this);
  EXPECT_THROW(Application->CreateForm(form), EConvertError);
  EXPECT_EQ(form, nullptr);
  EXPECT_EQ(Application->MainForm(), nullptr);
  EXPECT_EQ(Application->ComponentCount(), 0);
}

TEST_F(ApplicationTest, ClosingTheMainFormEndsTheLoop) {
  Application->CreateForm(MainForm);
  bool ended = false;
  QTimer::singleShot(0, [&] { QtWidget(MainForm)->close(); });
  QTimer::singleShot(0, [&] { ended = true; });
  Application->Run();
  EXPECT_TRUE(ended);
  EXPECT_TRUE(Application->Terminated());
  EXPECT_FALSE(Application->Running());
  MainForm = nullptr;
}

TEST_F(ApplicationTest, TerminatingWhileANoticeIsUpClosesItWithCancel) {
  int result = -1;
  BoxWatcher boxes;
  boxes.SetCloseBy(CloseBy::kClickOk);
  boxes.OnBox([&](QWidget*) {});
  ModalBoxHook previous = SetModalBoxHook([&](QWidget*) { Application->Terminate(); });
  TMessageForm notice(Application, "x");
  result = notice.ShowModal();
  SetModalBoxHook(previous);
  EXPECT_EQ(result, mrCancel);
  EXPECT_TRUE(Application->Terminated());
  // The request to end reached no main loop here: let one run and end, so
  // the following tests start with a clean loop state.
  QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
  QCoreApplication::exec();
}

TEST_F(ApplicationTest, TheSettingsChangeNoticeReadsTheDecimalMarkAgain) {
  const char* saved = std::getenv("LC_ALL");
  const std::string savedValue = saved ? saved : "";
  setenv("LC_ALL", "C", 1);
  SetLocaleDecimalMark(',');
  QEvent change(QEvent::LocaleChange);
  QCoreApplication::sendEvent(QCoreApplication::instance(), &change);
  EXPECT_EQ(LocaleDecimalMark(), '.');
  if (saved) {
    setenv("LC_ALL", savedValue.c_str(), 1);
  } else {
    unsetenv("LC_ALL");
  }
  LoadLocaleSettings();
}

TEST_F(ApplicationTest, ThePowerFunctionsBoxIsEnglishUnderTheProgramsFileName) {
  BoxWatcher boxes;
  ShowRuntimeMessage("powl: DOMAIN error");
  ASSERT_EQ(boxes.Seen().size(), 1u);
  EXPECT_EQ(boxes.Seen()[0].text, "powl: DOMAIN error");
  EXPECT_EQ(boxes.Seen()[0].title, ExecutableFileName());
  EXPECT_EQ(boxes.Seen()[0].icon, QMessageBox::Critical);
  EXPECT_EQ(boxes.Seen()[0].buttons, 1);
}

}  // namespace
}  // namespace peruka::testing

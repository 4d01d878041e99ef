// Labels that size themselves, the owner-drawn degree list and the buttons.
#include <QAbstractItemDelegate>
#include <QAbstractItemView>
#include <QComboBox>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionViewItem>
#include <QTest>
#include <memory>

#include "ui/button.h"
#include "ui/combo_box.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/memo.h"
#include "ui/qt/qt_virtual_keys.h"
#include "ui/qt/qt_widget.h"
#include "ui_test_support.h"

namespace peruka::testing {
namespace {

class ControlsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form_ = std::make_unique<TForm>(Application);
    form_->SetFont(Sjis("ＭＳ Ｐゴシック"), -12);
    form_->SetClientWidth(400);
    form_->SetClientHeight(300);
  }
  std::unique_ptr<TForm> form_;
};

// The auto-size rule with the backend's measuring: tests/ui_rules/label_size_test.cpp.

TEST_F(ControlsTest, LabelWithoutAutoSizeKeepsItsSizeAndEqualCaptionDoesNothing) {
  auto* label = new TLabel(form_.get());
  label->SetAutoSize(false);
  label->SetBounds(0, 0, 73, 33);
  label->SetCaption("abc");
  EXPECT_EQ(label->Width(), 73);
  EXPECT_EQ(label->Height(), 33);
  label->SetAutoSize(true);
  const int width = label->Width();
  label->SetWidth(99);
  label->SetCaption("abc");  // the same caption: no new measuring
  EXPECT_EQ(label->Width(), 99);
  EXPECT_NE(width, 99);
}

TEST_F(ControlsTest, RightJustifiedLabelKeepsItsRightEdge) {
  auto* label = new TLabel(form_.get());
  label->SetAlignment(taRightJustify);
  label->SetBounds(100, 0, 50, 13);
  label->SetCaption("abcdefgh");
  EXPECT_EQ(label->Left() + label->Width(), 150);
}

TEST_F(ControlsTest, LabelIsOpaqueAndDrawsTheAcceleratorRules) {
  auto* label = new TLabel(form_.get());
  label->SetCaption("a&&b");
  EXPECT_EQ(label->DisplayText(), "a&b");
  QPalette palette = QtWidget(form_)->palette();
  palette.setColor(QPalette::Window, QColor(10, 200, 30));
  QtWidget(form_)->setPalette(palette);
  QImage image(label->Width(), label->Height(), QImage::Format_RGB32);
  image.fill(Qt::white);
  QtWidget(label)->render(&image);
  // The label fills its rectangle with its parent's colour.
  EXPECT_EQ(image.pixelColor(label->Width() - 1, label->Height() - 1), QColor(10, 200, 30));
}

TEST_F(ControlsTest, LabelsLieBeneathWindowedControls) {
  auto* memo = new TMemo(form_.get());
  auto* label = new TLabel(form_.get());
  memo->SetBounds(0, 0, 50, 20);
  label->SetBounds(0, 0, 80, 13);
  const QList<QObject*> children = QtWidget(form_)->children();
  EXPECT_LT(children.indexOf(QtWidget(label)), children.indexOf(QtWidget(memo)));
}

class ComboTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    combo_ = new TComboBox(form_.get());
    combo_->SetStyle(csOwnerDrawFixed);
    combo_->SetItemHeight(15);
    for (const char* item :
         {"１次", "２次", "３次", "４次", "５次", "６次", "７次", "８次", "９次", "１０次"})
      combo_->Items()->Add(Sjis(item));
    combo_->SetBounds(10, 0, 113, 21);
    form_->Show();
  }
  TComboBox* combo_ = nullptr;
};

TEST_F(ComboTest, ItemIndexIsMinusOneWithoutSelection) {
  auto* empty = new TComboBox(form_.get());
  empty->SetStyle(csOwnerDrawFixed);
  EXPECT_EQ(empty->ItemIndex(), -1);
  combo_->SetItemIndex(-1);
  EXPECT_EQ(combo_->ItemIndex(), -1);
  combo_->SetItemIndex(0);
  EXPECT_EQ(combo_->ItemIndex(), 0);
  combo_->SetItemIndex(25);
  EXPECT_EQ(combo_->ItemIndex(), -1);
  combo_->SetItemIndex(9);
  EXPECT_EQ(combo_->ItemIndex(), 9);
}

TEST_F(ComboTest, IsADropDownListOfFixedHeightShowingEightItems) {
  EXPECT_FALSE(QtCombo(combo_)->isEditable());
  EXPECT_EQ(combo_->Height(), 21);
  combo_->SetHeight(40);
  EXPECT_EQ(combo_->Height(), 21);
  combo_->SetItemHeight(0);  // refused
  EXPECT_EQ(combo_->ItemHeight(), 15);
  EXPECT_EQ(QtCombo(combo_)->maxVisibleItems(), 8);
  EXPECT_EQ(QtCombo(combo_)->style()->styleHint(QStyle::SH_ComboBox_Popup, nullptr, QtCombo(combo_)), 0);
  QStyleOptionViewItem option;
  option.rect = QRect(0, 0, 100, 40);
  EXPECT_EQ(QtCombo(combo_)->itemDelegate()->sizeHint(option, QtCombo(combo_)->model()->index(0, 0)).height(),
            15);
}

TEST_F(ComboTest, TheOpenListShowsEightItemsBelowTheControl) {
  combo_->SetItemIndex(0);
  QtCombo(combo_)->showPopup();
  QAbstractItemView* view = QtCombo(combo_)->view();
  ASSERT_TRUE(view->isVisible());
  EXPECT_EQ(view->visualRect(view->model()->index(0, 0)).height(), 15);
  // Eight rows fit, the ninth does not.
  const int rows = view->viewport()->height() / 15;
  EXPECT_EQ(rows, 8);
  EXPECT_GE(view->window()->geometry().top(), QtWidget(combo_)->mapToGlobal(QPoint(0, 0)).y() + 15);
  QtCombo(combo_)->hidePopup();
}

TEST_F(ComboTest, ArrowKeysChangeTheSelectionWithoutOpening) {
  combo_->SetItemIndex(0);
  combo_->SetFocus();
  QTest::keyClick(QtCombo(combo_), Qt::Key_Down);
  EXPECT_EQ(combo_->ItemIndex(), 1);
  EXPECT_FALSE(QtCombo(combo_)->view()->isVisible());
  QTest::keyClick(QtCombo(combo_), Qt::Key_Up);
  EXPECT_EQ(combo_->ItemIndex(), 0);
}

// Where the ink of an item lands when drawn into a rectangle at (0, 0).
QRect InkOfItem(TComboBox* combo, int row, int rectHeight, bool selected) {
  QImage image(120, rectHeight, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    QStyleOptionViewItem option;
    option.rect = QRect(0, 0, 120, rectHeight);
    option.state = selected ? QStyle::State_Selected : QStyle::State_None;
    QtCombo(combo)->itemDelegate()->paint(&painter, option, QtCombo(combo)->model()->index(row, 0));
  }
  const QColor base = image.pixelColor(119, rectHeight - 1);
  QRect ink;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixelColor(x, y) != base) ink |= QRect(x, y, 1, 1);
  return ink;
}

TEST_F(ComboTest, ItemsAreDrawnAtLeftPlusTwoAndNotCentred) {
  const QRect ink = InkOfItem(combo_, 0, 15, false);
  ASSERT_FALSE(ink.isEmpty());
  EXPECT_GE(ink.left(), 2);
  EXPECT_LE(ink.left(), 4);
  // A taller rectangle does not move the text down.
  EXPECT_EQ(InkOfItem(combo_, 0, 40, false).top(), ink.top());
  // A selected item is filled with the highlight colour.
  QImage image(120, 15, QImage::Format_RGB32);
  {
    QPainter painter(&image);
    QStyleOptionViewItem option;
    option.rect = QRect(0, 0, 120, 15);
    option.state = QStyle::State_Selected;
    QtCombo(combo_)->itemDelegate()->paint(&painter, option, QtCombo(combo_)->model()->index(1, 0));
  }
  EXPECT_EQ(image.pixelColor(119, 14), QtCombo(combo_)->palette().color(QPalette::Highlight));
}

TEST_F(ControlsTest, ButtonClickCopiesTheModalResultThenRaisesOnClick) {
  auto* button = new TButton(form_.get());
  button->SetCaption("OK");
  button->SetModalResult(mrOk);
  int clicks = 0;
  int seen = -1;
  button->OnClick = [&](TObject* sender) {
    EXPECT_EQ(sender, button);
    seen = form_->ModalResult();
    ++clicks;
  };
  form_->Show();
  QTest::mouseClick(QtButton(button), Qt::LeftButton);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(seen, mrOk);
  EXPECT_EQ(QtButton(button)->text(), QStringLiteral("OK"));
}

TEST_F(ControlsTest, EnterWithAModifierDoesNotClickAButton) {
  auto* button = new TButton(form_.get());
  int clicks = 0;
  button->OnClick = [&](TObject*) { ++clicks; };
  form_->Show();
  button->SetFocus();
  QTest::keyClick(QtButton(button), Qt::Key_Return, Qt::ShiftModifier);
  EXPECT_EQ(clicks, 0);
  QTest::keyClick(QtButton(button), Qt::Key_Return);
  EXPECT_EQ(clicks, 1);
}

TEST(VirtualKeys, EnterKeysAreThirteenAndModifiersMakeTheShiftState) {
  EXPECT_EQ(VirtualKeyOf(Qt::Key_Return, Qt::NoModifier), 13);
  EXPECT_EQ(VirtualKeyOf(Qt::Key_Enter, Qt::KeypadModifier), 13);
  EXPECT_EQ(VirtualKeyOf(Qt::Key_A, Qt::ShiftModifier), 'A');
  EXPECT_EQ(VirtualKeyOf(Qt::Key_5, Qt::NoModifier), '5');
  EXPECT_EQ(VirtualKeyOf(Qt::Key_5, Qt::KeypadModifier), 0x65);
  EXPECT_EQ(VirtualKeyOf(Qt::Key_Period, Qt::NoModifier), 0xBE);
  EXPECT_EQ(VirtualKeyOf(Qt::Key_Shift, Qt::ShiftModifier), 0x10);
  EXPECT_EQ(ShiftStateOf(Qt::ShiftModifier | Qt::ControlModifier), ssShift | ssCtrl);
  EXPECT_EQ(ShiftStateOf(Qt::AltModifier), ssAlt);
  EXPECT_EQ(ShiftStateOf(Qt::NoModifier), 0u);
}

}  // namespace
}  // namespace peruka::testing

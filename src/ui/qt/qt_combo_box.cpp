#include <QAbstractItemDelegate>
#include <QComboBox>
#include <QFontMetrics>
#include <QPainter>
#include <QStyleOptionComboBox>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <algorithm>

#include "ui/combo_box.h"
#include "ui/qt/qt_text.h"
#include "ui/qt/qt_widget.h"

namespace peruka {

namespace {

// Draws one item as an owner-drawn list does without a drawing handler: the
// rectangle filled with the control's colour (the highlight colour when
// selected), the text at (left + 2, top), not centred, and a focus rectangle
// when the item has the focus.
void DrawComboItem(QPainter& painter, const QRect& rect, const QString& text, int index, bool selected,
                   bool focus, const QWidget* widget) {
  const QPalette& palette = widget->palette();
  painter.fillRect(rect, palette.color(selected ? QPalette::Highlight : QPalette::Base));
  if (index >= 0) {
    painter.setFont(widget->font());
    painter.setPen(palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    const QFontMetrics metrics(widget->font());
    painter.drawText(QPoint(rect.left() + 2, rect.top() + metrics.ascent()), text);
  }
  if (focus) {
    QStyleOptionFocusRect option;
    option.initFrom(widget);
    option.rect = rect;
    option.backgroundColor = palette.color(selected ? QPalette::Highlight : QPalette::Base);
    widget->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, widget);
  }
}

class OwnerDrawDelegate final : public QAbstractItemDelegate {
 public:
  OwnerDrawDelegate(TComboBox* combo, QObject* parent) : QAbstractItemDelegate(parent), combo_(combo) {}
  void Detach() { combo_ = nullptr; }

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    if (!combo_) return;
    DrawComboItem(*painter, option.rect, index.data(Qt::DisplayRole).toString(), index.row(),
                  option.state & QStyle::State_Selected, option.state & QStyle::State_HasFocus,
                  QtCombo(combo_));
  }

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
    return QSize(option.rect.width(), combo_ ? combo_->ItemHeight() : 16);
  }

 private:
  TComboBox* combo_;
};

class ComboWidget final : public QComboBox {
 public:
  ComboWidget(TComboBox* combo, QWidget* parent) : QComboBox(parent), combo_(combo) {}
  void Detach() { combo_ = nullptr; }

 protected:
  void paintEvent(QPaintEvent* event) override {
    const bool ownerDraw =
        combo_ && (combo_->Style() == csOwnerDrawFixed || combo_->Style() == csOwnerDrawVariable);
    if (!ownerDraw) {
      QComboBox::paintEvent(event);
      return;
    }
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    option.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    const int itemHeight = combo_->ItemHeight();
    const QRect item(field.left(), (height() - itemHeight) / 2, field.width(), itemHeight);
    DrawComboItem(painter, item, currentText(), currentIndex(), hasFocus(), hasFocus(), this);
  }

 private:
  TComboBox* combo_;
};

}  // namespace

int TComboBoxStrings::Count() const { return QtCombo(combo_)->count(); }

std::string TComboBoxStrings::Get(int index) const {
  if (index < 0 || index >= Count()) return std::string();
  return FromQString(QtCombo(combo_)->itemText(index));
}

void TComboBoxStrings::Put(int index, std::string_view text) {
  if (index < 0 || index >= Count()) return;
  QtCombo(combo_)->setItemText(index, ToQString(text));
}

void TComboBoxStrings::Insert(int index, std::string_view text) {
  if (index < 0 || index > Count()) return;
  QtCombo(combo_)->insertItem(index, ToQString(text));
}

void TComboBoxStrings::Clear() { QtCombo(combo_)->clear(); }

TComboBox::TComboBox(TComponent* owner)
    : TWinControl(owner, new NativeWidget(new ComboWidget(this, QtWidget(ClientNativeOf(owner))))),
      items_(std::make_unique<TComboBoxStrings>(this)) {
  QtCombo(this)->setInsertPolicy(QComboBox::NoInsert);
  QtCombo(this)->setMaxVisibleItems(dropDownCount_);
  SetStyle(csDropDown);
}

TComboBox::~TComboBox() {
  if (auto* combo = dynamic_cast<ComboWidget*>(QtWidget(native_))) {
    combo->Detach();
    if (auto* delegate = dynamic_cast<OwnerDrawDelegate*>(combo->itemDelegate())) delegate->Detach();
  }
}

QComboBox* QtCombo(const TComboBox* combo) { return static_cast<QComboBox*>(QtWidget(combo)); }

int TComboBox::ItemIndex() const { return QtCombo(this)->currentIndex(); }

void TComboBox::SetItemIndex(int index) {
  QtCombo(this)->setCurrentIndex(index >= 0 && index < QtCombo(this)->count() ? index : -1);
}

void TComboBox::SetStyle(TComboBoxStyle style) {
  style_ = style;
  const bool editable = style == csDropDown || style == csSimple;
  QtCombo(this)->setEditable(editable);
  const bool ownerDraw = style == csOwnerDrawFixed || style == csOwnerDrawVariable;
  if (ownerDraw && !dynamic_cast<OwnerDrawDelegate*>(QtCombo(this)->itemDelegate()))
    QtCombo(this)->setItemDelegate(new OwnerDrawDelegate(this, QtCombo(this)));
  SetBounds(Left(), Top(), Width(), Height());
  QtCombo(this)->update();
}

void TComboBox::SetItemHeight(int height) {
  if (height <= 0) return;
  itemHeight_ = height;
  SetBounds(Left(), Top(), Width(), Height());
}

void TComboBox::SetDropDownCount(int count) {
  dropDownCount_ = count;
  QtCombo(this)->setMaxVisibleItems(std::max(count, 1));
}

int TComboBox::FixedHeight() const {
  if (style_ == csOwnerDrawFixed || style_ == csOwnerDrawVariable) return itemHeight_ + 6;
  return QFontMetrics(QtCombo(this)->font()).height() + 8;
}

void TComboBox::SetBounds(int left, int top, int width, int) {
  TControl::SetBounds(left, top, width, FixedHeight());
}

}  // namespace peruka

// Every Japanese text of the main window: its Shift-JIS bytes are its UTF-8
// twin converted; Qt's own texts (standard menus, the file dialog) are
// Japanese too, whatever the locale.
#include "app/window_texts.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QFileDialog>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <memory>
#include <string>

#include "text/shift_jis.h"

namespace peruka {
namespace {

std::string Converted(std::u8string_view utf8) {
  return Utf8ToShiftJis(std::string_view(reinterpret_cast<const char*>(utf8.data()), utf8.size()));
}

TEST(WindowTexts, EveryTwinConvertsToTheStoredBytes) {
  for (const WindowTextEntry& entry : kWindowTexts)
    EXPECT_EQ(Converted(entry.text.utf8), entry.text.shiftJis) << static_cast<int>(entry.id);
  for (const TextTwin& item : kDegreeItems) EXPECT_EQ(Converted(item.utf8), item.shiftJis);
}

TEST(WindowTexts, EveryNameHasOneText) {
  for (int id = 0; id <= static_cast<int>(WindowText::NotAPairNotice); ++id)
    EXPECT_FALSE(TextOf(static_cast<WindowText>(id)).empty()) << id;
}

TEST(WindowTexts, QtsOwnTextsAreJapanese) {
  QPlainTextEdit edit;
  std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
  QStringList items;
  for (const QAction* action : menu->actions())
    if (!action->isSeparator()) items << action->text().section(u'\t', 0, 0);
  EXPECT_EQ(items.join(u'|').toStdString(),
            "元に戻す(&U)|やり直す(&R)|切り取り(&T)|コピー(&C)|貼り付け(&P)|削除|すべてを選択");
  QFileDialog dialog;
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  QStringList buttons;
  for (const QPushButton* button : dialog.findChildren<QPushButton*>()) buttons << button->text();
  EXPECT_TRUE(buttons.contains(QString::fromUtf8("保存(&S)"))) << buttons.join(u'|').toStdString();
  EXPECT_TRUE(buttons.contains(QString::fromUtf8("キャンセル"))) << buttons.join(u'|').toStdString();
}

}  // namespace
}  // namespace peruka

#include "ui/qt/qt_file_drop.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QObject>
#include <QUrl>
#include <QWidget>
#include <utility>

#include "ui/event_guard.h"
#include "ui/file_drop.h"
#include "ui/form.h"
#include "ui/qt/qt_text.h"
#include "ui/qt/qt_widget.h"

namespace peruka {

namespace {

DroppedFile ReadFile(const QString& path) {
  DroppedFile file;
  file.name = FromQString(path);
  QFile source(path);
  if (!source.open(QIODevice::ReadOnly)) return file;
  const QByteArray bytes = source.readAll();
  if (source.error() != QFileDevice::NoError) return file;
  file.read = true;
  file.text = DecodedFileText(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  return file;
}

// A file is only ever read: the drop is taken as a copy, whatever the source
// proposes, so that no source deletes the user's file after a "move".
bool AcceptAsCopy(QDropEvent& event) {
  if (!(event.possibleActions() & Qt::CopyAction)) return false;
  event.setDropAction(Qt::CopyAction);
  event.accept();
  return true;
}

// Watches the form's window for drags and drops of files.
class DropFilter final : public QObject {
 public:
  DropFilter(QObject* parent, std::function<bool(const DroppedFile&)> handler)
      : QObject(parent), handler_(std::move(handler)) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::DragEnter:
      case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (!drag->mimeData() || !HoldsLocalFiles(*drag->mimeData())) return false;
        if (!AcceptAsCopy(*drag)) drag->ignore();
        return true;
      }
      case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        if (!drop->mimeData() || !HoldsLocalFiles(*drop->mimeData())) return false;
        if (!AcceptAsCopy(*drop)) {
          drop->ignore();
          return true;
        }
        const QList<QUrl> urls = drop->mimeData()->urls();
        DispatchEvent([&] {
          for (const QUrl& url : urls)
            if (!handler_(ReadFile(url.toLocalFile()))) break;
        });
        return true;
      }
      default:
        return QObject::eventFilter(watched, event);
    }
  }

 private:
  std::function<bool(const DroppedFile&)> handler_;
};

}  // namespace

bool HoldsLocalFiles(const QMimeData& data) {
  if (!data.hasUrls() || data.urls().isEmpty()) return false;
  for (const QUrl& url : data.urls())
    if (!url.isLocalFile()) return false;
  return true;
}

void AcceptFileDrops(TForm& form, std::function<bool(const DroppedFile&)> handler) {
  QWidget* window = QtWidget(&form);
  window->setAcceptDrops(true);
  auto* filter = new DropFilter(window, std::move(handler));
  window->installEventFilter(filter);
  // The boxes take dropped text themselves: files go to the window there too.
  for (QWidget* child : window->findChildren<QWidget*>())
    if (child->acceptDrops()) child->installEventFilter(filter);
}

}  // namespace peruka

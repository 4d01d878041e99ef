#include <QGuiApplication>
#include <QScreen>

#include "ui/screen.h"

namespace peruka {

TScreen::TScreen(TComponent* owner) : TComponent(owner) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  pixelsPerInch_ = screen ? qRound(screen->logicalDotsPerInchY()) : 96;
}

int TScreen::Width() const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->geometry().width() : 0;
}

int TScreen::Height() const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->geometry().height() : 0;
}

}  // namespace peruka

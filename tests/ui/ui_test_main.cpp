// Starts the window layer (headless unless told otherwise) and runs the tests.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QtGlobal>

#include "numeric/extended.h"
#include "numeric/locale_mark.h"
#include "ui/message_box.h"
#include "ui/window_layer.h"

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  peruka::EnsureExtendedPrecision();
  peruka::LoadLocaleSettings();
  peruka::InstallRuntimeMessageBox();
  peruka::WindowLayer windowLayer(argc, argv);
  return RUN_ALL_TESTS();
}

// The Qt tests' main: one QApplication, offscreen unless another platform is asked for.

#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  Q_INIT_RESOURCE(kvpm);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

// The Qt tests' main: one QApplication, offscreen unless another platform is asked for.

#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication application(argc, argv);
  Q_INIT_RESOURCE(kvpm);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

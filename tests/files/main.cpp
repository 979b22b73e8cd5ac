// The file tests use QSaveFile and other QtCore services, so this binary
// brings its own main with a QCoreApplication instead of linking gtest_main.
#include <QCoreApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

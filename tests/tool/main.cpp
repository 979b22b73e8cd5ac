// The tool runs as a child process, which QProcess drives through an event
// loop; so this binary brings its own main with a QCoreApplication.
#include <QCoreApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

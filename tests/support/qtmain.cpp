// main() of the screen tests: a QApplication (offscreen) around the GoogleTest run.
#include <QApplication>
#include <QFont>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen"
                                                                    : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    QApplication::setFont(QFont(QStringLiteral("IPAGothic"), 11));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

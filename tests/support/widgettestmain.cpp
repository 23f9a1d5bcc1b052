// Entry point of every widget test binary: GoogleTest inside a headless QApplication.
#ifdef MIRTE_ACCESSIBLE_NAMES
#include "platform/accessiblenames.h"
#endif

#include <QApplication>
#include <QStandardPaths>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
#ifdef MIRTE_ACCESSIBLE_NAMES
    installAccessibleNames();
#endif
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

#include "about_window.h"
#include "main_window.h"
#include "program.h"
#include "recording_d3d.h"
#include "scripted_dialogs.h"
#include "splash_window.h"
#include "test_environment.h"

#include <QApplication>
#include <QTest>

class ProgramEntryTest : public QObject {
    Q_OBJECT

private:
    static QStringList windowTitles()
    {
        QStringList titles;
        for (const QWidget *widget : QApplication::topLevelWidgets())
            titles << widget->windowTitle();
        return titles;
    }

private slots:
    void windowsComeIntoBeingInTheirOrder()
    {
        TestEnvironment environment;
        ScriptedDialogs dialogs;
        RecordingD3d recorder;
        D3dFunctions d3d = recorder.functions();
        QStringList existingWhileMainWindowStarts;
        bool splashShownMeanwhile = false;
        const auto init = d3d.d3dinit_;
        d3d.d3dinit_ = [&](void *window, int16_t *volume, int32_t highest, uint16_t height) {
            existingWhileMainWindowStarts = windowTitles();
            for (QWidget *widget : QApplication::topLevelWidgets())
                splashShownMeanwhile |= qobject_cast<TForm4 *>(widget) && widget->isVisible();
            init(window, volume, highest, height);
        };

        Program program({QStringLiteral("velmora")}, d3d);

        QVERIFY(splashShownMeanwhile);
        QVERIFY(existingWhileMainWindowStarts.contains("Print"));
        QVERIFY(existingWhileMainWindowStarts.contains("Select port"));
        QVERIFY(!existingWhileMainWindowStarts.contains("Connection with M7340"));
        QVERIFY(!existingWhileMainWindowStarts.contains("Fileds settings"));
        QVERIFY(!existingWhileMainWindowStarts.contains("about Velmora v1.5"));
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Velmora v.1.5"));
        const QStringList all = windowTitles();
        for (const char *title : {"Print", "Select port", "Velmora v1.5", "Connection with M7340",
                                  "Fileds settings", "about Velmora v1.5"})
            QVERIFY2(all.contains(title), title);
        QVERIFY(program.windows.mainWindow);
        QVERIFY(program.windows.about);
        QVERIFY(program.windows.splash->isVisible());
    }
};

QTEST_MAIN(ProgramEntryTest)
#include "program_entry_test.moc"

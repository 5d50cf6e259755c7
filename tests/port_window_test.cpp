#include "port_window.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QTest>

class PortWindowTest : public QObject {
    Q_OBJECT

private slots:
    // Each showing starts from the choice it is given: a port ticked at an
    // earlier showing does not stay ticked.
    void eachShowingShowsOnlyTheChoiceGiven_data()
    {
        QTest::addColumn<int>("portNumber");
        QTest::addColumn<int>("present");  // bit n - 1 for COMn
        QTest::addColumn<QString>("checked");
        QTest::newRow("no port chosen") << 0 << 0b1111 << "";
        QTest::newRow("COM4 chosen") << 4 << 0b1111 << "COM 4";
        QTest::newRow("the ticked port now absent") << 0 << 0b0001 << "";
    }
    void eachShowingShowsOnlyTheChoiceGiven()
    {
        QFETCH(int, portNumber);
        QFETCH(int, present);
        QFETCH(QString, checked);
        TForm6 window;
        window.setChoice({{1, 1, 1, 1}, 2, 1, {}});
        window.FormShow();
        window.RadioButton3->click();  // the user ticks COM 3, then leaves
        window.setChoice({{uint8_t(present & 1), uint8_t(present >> 1 & 1), uint8_t(present >> 2 & 1),
                           uint8_t(present >> 3 & 1)},
                          portNumber,
                          0,
                          {}});
        window.FormShow();
        QString shown;
        for (QRadioButton *button : {window.RadioButton1, window.RadioButton2, window.RadioButton3, window.RadioButton4})
            if (button->isChecked())
                shown += button->text();
        QCOMPARE(shown, checked);
        QVERIFY(!window.CheckBox1->isChecked());
    }
};

QTEST_MAIN(PortWindowTest)
#include "port_window_test.moc"

#include "com_ports.h"
#include "pseudo_terminal.h"
#include "termios_serial_port.h"

#include <QTemporaryDir>
#include <QTest>

class ComPortsTest : public QObject {
    Q_OBJECT

private slots:
    void portNames_data()
    {
        QTest::addColumn<int>("portNumber");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("index");
        QTest::newRow("COM1") << 1 << "COM1" << 1;
        QTest::newRow("COM4") << 4 << "COM4" << 4;
        QTest::newRow("none") << 0 << "COM0" << 0;
        QTest::newRow("first digit only") << 12 << "COM1" << 1;
        QTest::newRow("beyond four") << 5 << "COM5" << 0;
        QTest::newRow("negative") << -3 << "COM-" << 0;
    }
    void portNames()
    {
        QFETCH(int, portNumber);
        QFETCH(QString, name);
        QFETCH(int, index);
        QCOMPARE(comPortName(portNumber), name);
        QCOMPARE(comPortIndex(comPortName(portNumber)), index);
    }

    void devicePathPrefersEnvironmentThenStore_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("environment");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("path");
        QTest::newRow("default COM1") << 1 << "" << "" << "/dev/ttyS0";
        QTest::newRow("default COM2") << 2 << "" << "" << "/dev/ttyS1";
        QTest::newRow("default COM3") << 3 << "" << "" << "/dev/ttyUSB0";
        QTest::newRow("default COM4") << 4 << "" << "" << "/dev/ttyACM0";
        QTest::newRow("stored") << 3 << "" << "/dev/ttyUSB7" << "/dev/ttyUSB7";
        QTest::newRow("environment wins") << 3 << "/dev/pts/9" << "/dev/ttyUSB7" << "/dev/pts/9";
        QTest::newRow("no such port") << 0 << "" << "/dev/ttyUSB7" << "";
    }
    void devicePathPrefersEnvironmentThenStore()
    {
        QFETCH(int, n);
        QFETCH(QString, environment);
        QFETCH(QString, stored);
        QFETCH(QString, path);
        const QByteArray variable = QStringLiteral("VELMORA_COM%1").arg(n).toLatin1();
        if (environment.isEmpty())
            qunsetenv(variable.constData());
        else
            qputenv(variable.constData(), environment.toLocal8Bit());
        QCOMPARE(comDevicePath(n, stored), path);
    }

    void aPresentDeviceOpens()
    {
        PseudoTerminal terminal;
        QVERIFY(terminal.isOpen());
        QVERIFY(serialDeviceOpens(terminal.devicePath()));
        // and it is free again afterwards
        QVERIFY(serialDeviceOpens(terminal.devicePath()));
    }

    void anAbsentDeviceDoesNotOpen()
    {
        QTemporaryDir folder;
        QVERIFY(!serialDeviceOpens(folder.filePath("ttyNone")));
        QVERIFY(!serialDeviceOpens(QString()));
    }

    void aSecondOpenerIsRefused()
    {
        PseudoTerminal terminal;
        TermiosSerialPort holder;
        QVERIFY(holder.open(terminal.devicePath()));
        QVERIFY(!serialDeviceOpens(terminal.devicePath()));
        TermiosSerialPort query;
        QVERIFY(!query.openForQuery(terminal.devicePath()));
        holder.close();
        QVERIFY(serialDeviceOpens(terminal.devicePath()));
    }
};

QTEST_GUILESS_MAIN(ComPortsTest)
#include "com_ports_test.moc"

#include "decimal_text.h"

#include <QTest>

class DecimalTextTest : public QObject {
    Q_OBJECT

private slots:
    void numbersAreReadAsTyped_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<std::optional<double>>("value");
        QTest::newRow("full stop") << "2.5" << std::optional(2.5);
        QTest::newRow("comma") << "2,5" << std::optional(2.5);
        QTest::newRow("comma, not thousands") << "1,500" << std::optional(1.5);
        QTest::newRow("whole") << "40" << std::optional(40.0);
        QTest::newRow("blanks around") << " 0,75 " << std::optional(0.75);
        QTest::newRow("negative") << "-12,5" << std::optional(-12.5);
        QTest::newRow("no whole part") << ".5" << std::optional(0.5);
        QTest::newRow("mark at the end") << "5," << std::optional(5.0);
        QTest::newRow("thousands and decimals") << "1,500.5" << std::optional<double>();
        QTest::newRow("decimals and thousands") << "1.000,5" << std::optional<double>();
        QTest::newRow("two commas") << "1,000,000" << std::optional<double>();
        QTest::newRow("space inside") << "1 500" << std::optional<double>();
        QTest::newRow("exponent") << "1e3" << std::optional<double>();
        QTest::newRow("infinity") << "inf" << std::optional<double>();
        QTest::newRow("not a number") << "nan" << std::optional<double>();
        QTest::newRow("plus sign") << "+2" << std::optional<double>();
        QTest::newRow("hexadecimal") << "0x10" << std::optional<double>();
        QTest::newRow("other digits") << QStringLiteral("\u0662,\u0665") << std::optional<double>();
        QTest::newRow("mark alone") << "," << std::optional<double>();
        QTest::newRow("minus alone") << "-" << std::optional<double>();
        QTest::newRow("empty") << "" << std::optional<double>();
    }
    void numbersAreReadAsTyped()
    {
        QFETCH(QString, text);
        QFETCH(std::optional<double>, value);
        QCOMPARE(parseDecimal(text), value);
    }
};

QTEST_GUILESS_MAIN(DecimalTextTest)
#include "decimal_text_test.moc"

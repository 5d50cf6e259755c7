#include "dac_curve.h"

#include <QTest>

class DacCurveTest : public QObject {
    Q_OBJECT

private slots:
    // Points at 50, 110 and 170 mm of 100, 60 and 40: at 80 mm halfway from
    // 100 to 60, at 140 mm halfway from 60 to 40; the end values before and after.
    void theCurveIsStraightBetweenItsPointsAndFlatBeyond_data()
    {
        QTest::addColumn<QString>("points");
        QTest::addColumn<double>("depth");
        QTest::addColumn<double>("dac");
        const QString three = QStringLiteral("50:100,110:60,170:40");
        QTest::newRow("before the first") << three << 20.0 << 100.0;
        QTest::newRow("at the first") << three << 50.0 << 100.0;
        QTest::newRow("between the first two") << three << 80.0 << 80.0;
        QTest::newRow("at a middle point") << three << 110.0 << 60.0;
        QTest::newRow("between the last two") << three << 140.0 << 50.0;
        QTest::newRow("after the last") << three << 200.0 << 40.0;
        QTest::newRow("a single point, shallower") << QStringLiteral("100:80") << 0.0 << 80.0;
        QTest::newRow("a single point, deeper") << QStringLiteral("100:80") << 300.0 << 80.0;
        QTest::newRow("a comma for decimals is no depth mark") << QStringLiteral("12.5:10,37.5:30") << 25.0 << 20.0;
    }
    void theCurveIsStraightBetweenItsPointsAndFlatBeyond()
    {
        QFETCH(QString, points);
        QFETCH(double, depth);
        QFETCH(double, dac);
        const auto curve = parseDacCurve(points);
        QVERIFY(curve);
        QCOMPARE(curve->at(depth), dac);
    }

    void aSampleIsReadAgainstTheCurveAtItsDepth()
    {
        const auto curve = parseDacCurve(QStringLiteral("50:100,110:60"));
        QVERIFY(curve);
        const AgainstDac half = againstDac(40, 80.0, *curve);  // DAC(80) = 80
        QCOMPARE(*half.percent, 50.0);
        QCOMPARE(*half.decibels, -6.0);  // 20 log10(0.5) = -6.02
        const AgainstDac none = againstDac(0, 80.0, *curve);
        QVERIFY(!none.percent && !none.decibels);
    }

    void whatIsNotACurveIsRefused_data()
    {
        QTest::addColumn<QString>("points");
        QTest::newRow("no point") << "";
        QTest::newRow("depths not increasing") << "50:100,50:90";
        QTest::newRow("depths decreasing") << "110:60,50:100";
        QTest::newRow("value 0") << "50:0";
        QTest::newRow("value above 255") << "50:256";
        QTest::newRow("not numbers") << "fifty:100";
        QTest::newRow("no value") << "50";
    }
    void whatIsNotACurveIsRefused()
    {
        QFETCH(QString, points);
        QString reason;
        QVERIFY(!parseDacCurve(points, &reason));
        QVERIFY(!reason.isEmpty());
    }

    // Recording -14 dB, acceptance -10 dB, length limit 10 mm.
    void eachIndicationGetsItsClass_data()
    {
        QTest::addColumn<double>("level");
        QTest::addColumn<double>("length");  // negative: unknown
        QTest::addColumn<QString>("expected");
        QTest::newRow("just below recording") << -14.1 << 5.0 << "below";
        QTest::newRow("exactly at recording") << -14.0 << 5.0 << "record";
        QTest::newRow("exactly at acceptance") << -10.0 << 5.0 << "record";
        QTest::newRow("just above acceptance") << -9.9 << 5.0 << "reject";
        QTest::newRow("length exactly at the limit") << -12.0 << 10.0 << "record";
        QTest::newRow("length over the limit") << -12.0 << 10.1 << "reject";
        QTest::newRow("long but below recording") << -15.0 << 40.0 << "below";
        QTest::newRow("length unknown") << -12.0 << -1.0 << "record";
    }
    void eachIndicationGetsItsClass()
    {
        QFETCH(double, level);
        QFETCH(double, length);
        QFETCH(QString, expected);
        const EvaluationLevels levels{-14.0, -10.0, 10.0};
        const std::optional<double> known = length < 0 ? std::nullopt : std::optional<double>(length);
        QCOMPARE(evaluationClass(level, known, levels), expected);
    }
};

QTEST_GUILESS_MAIN(DacCurveTest)
#include "dac_curve_test.moc"

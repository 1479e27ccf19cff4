#include "views/Brand.h"

#include <QTest>

// The animation curves: quick out of the start, settling softly on the end.
class TestBrand : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void curvesRunFromStartToEndWithoutOvershoot_data()
    {
        QTest::addColumn<bool>("fast");
        QTest::addColumn<int>("durationMs");
        QTest::newRow("motion") << false << 240;
        QTest::newRow("motionFast") << true << 180;
    }

    void curvesRunFromStartToEndWithoutOvershoot()
    {
        QFETCH(bool, fast);
        QFETCH(int, durationMs);
        const Brand::Motion &motion = fast ? Brand::motionFast() : Brand::motion();
        QCOMPARE(motion.durationMs, durationMs);
        QCOMPARE(motion.curve.type(), QEasingCurve::BezierSpline);
        QCOMPARE(motion.curve.valueForProgress(0), 0.0);
        QCOMPARE(motion.curve.valueForProgress(1), 1.0);
        qreal previous = 0;
        for (int step = 1; step <= 100; ++step) {
            const qreal value = motion.curve.valueForProgress(step / 100.0);
            QVERIFY(value >= previous - 1e-9);
            QVERIFY(value <= 1 + 1e-9);
            previous = value;
        }
        // Most of the way is covered in the first third of the time.
        QVERIFY(motion.curve.valueForProgress(1.0 / 3) > 0.75);
        // A point of the Bézier: at parameter 0.5, x = 0.245 and y = 0.77.
        QVERIFY(std::abs(motion.curve.valueForProgress(0.245) - 0.77) < 0.01);
    }
};

QTEST_MAIN(TestBrand)
#include "TestBrand.moc"

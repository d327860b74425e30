#include "widgets/designstage.h"

#include <QLabel>
#include <QTest>

using namespace gallerion;

class DesignStageTest : public QObject
{
    Q_OBJECT

private slots:
    void fitScaleKeepsProportions_data();
    void fitScaleKeepsProportions();
    void touchingRectanglesStayTouching();
    void controlsFollowTheScale();
};

void DesignStageTest::fitScaleKeepsProportions_data()
{
    QTest::addColumn<QSize>("area");
    QTest::addColumn<double>("scale");
    QTest::newRow("designed size") << QSize(800, 500) << 1.0;
    QTest::newRow("wider: height decides") << QSize(1920, 1000) << 2.0;
    QTest::newRow("taller: width decides") << QSize(400, 600) << 0.5;
    QTest::newRow("empty area") << QSize(0, 0) << 1.0;
}

void DesignStageTest::fitScaleKeepsProportions()
{
    QFETCH(QSize, area);
    QFETCH(double, scale);
    QCOMPARE(fitScale(QSize(800, 500), area), scale);
}

void DesignStageTest::touchingRectanglesStayTouching()
{
    for (const double scale : {1.0, 1.37, 2.4, 0.61}) {
        const QRect left = scaledRect(QRect(0, 10, 33, 20), scale);
        const QRect right = scaledRect(QRect(33, 10, 47, 20), scale);
        QCOMPARE(left.right() + 1, right.left());
        QCOMPARE(left.height(), right.height());
    }
    QCOMPARE(scaledRect(QRect(652, 4, 142, 44), 1.0), QRect(652, 4, 142, 44));
}

void DesignStageTest::controlsFollowTheScale()
{
    DesignStage stage(QSize(800, 500), nullptr);
    QFont design = stage.font();
    design.setPixelSize(11);
    stage.setDesignFont(design);
    auto *panel = new QWidget(&stage);
    auto *label = new QLabel(panel);
    stage.place(panel, QRect(100, 50, 200, 100));
    stage.place(label, QRect(10, 10, 40, 20));
    QCOMPARE(label->geometry(), QRect(10, 10, 40, 20));

    stage.setScale(2.0);
    QCOMPARE(stage.size(), QSize(1600, 1000));
    QCOMPARE(panel->geometry(), QRect(200, 100, 400, 200));
    QCOMPARE(label->geometry(), QRect(20, 20, 80, 40));
    QCOMPARE(label->font().pixelSize(), 22);
    // The program's rules read the design back, whatever the scale.
    QCOMPARE(stage.designGeometry(label), QRect(10, 10, 40, 20));
    stage.moveTo(label, QPoint(5, 6));
    QCOMPARE(label->geometry(), QRect(10, 12, 80, 40));
    QCOMPARE(stage.designGeometry(label), QRect(5, 6, 40, 20));

    // A control gone from the stage is forgotten; rescaling does not touch it.
    delete label;
    stage.setScale(1.0);
    QCOMPARE(panel->geometry(), QRect(100, 50, 200, 100));
}

QTEST_MAIN(DesignStageTest)
#include "tst_designstage.moc"

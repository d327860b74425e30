#include "support/accessibility.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

using namespace gallerion::test;

// The check that the whole-program tests use on every window: it must see the objects a
// screen reader would announce without a name, and nothing else.
class AccessibleNamesTest : public QObject
{
    Q_OBJECT

private slots:
    void reportsUnnamedControlsOfAShowingWindow()
    {
        QWidget window;
        window.setWindowTitle(QStringLiteral("Window"));
        auto *layout = new QVBoxLayout(&window);
        auto *pictureButton = new QPushButton(&window);
        pictureButton->setObjectName(QStringLiteral("cmdPlay"));
        pictureButton->setIcon(QIcon(QPixmap(16, 16)));
        auto *gauge = new QProgressBar(&window);
        gauge->setObjectName(QStringLiteral("Gauge1"));
        auto *hidden = new QPushButton(&window);
        hidden->hide();
        auto *captioned = new QPushButton(QStringLiteral("Exit"), &window);
        layout->addWidget(pictureButton);
        layout->addWidget(gauge);
        layout->addWidget(captioned);
        layout->addWidget(new QLabel(QStringLiteral("1967"), &window));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QStringList unnamed = unnamedAccessibleObjects(&window);
        QCOMPARE(unnamed.size(), 2);
        QVERIFY(unnamed.filter(QStringLiteral("cmdPlay")).size() == 1);
        QVERIFY(unnamed.filter(QStringLiteral("Gauge1")).size() == 1);

        pictureButton->setAccessibleName(QStringLiteral("Play"));
        gauge->setAccessibleName(QStringLiteral("Whole copy"));
        QVERIFY2(unnamedAccessibleObjects(&window).isEmpty(),
                 qPrintable(unnamedAccessibleObjects(&window).join(QLatin1Char('\n'))));

        window.setWindowTitle(QString());
        QCOMPARE(unnamedAccessibleObjects(&window).size(), 1);
    }
};

QTEST_MAIN(AccessibleNamesTest)
#include "tst_accessiblenames.moc"

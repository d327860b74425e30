#include "documents/bookletplan.h"

#include <QTest>

using namespace gallerion;
using namespace Qt::Literals::StringLiterals;

namespace {

BookletChoice choose(std::initializer_list<BookletSection> sections, const QString &from,
                     const QString &to)
{
    BookletChoice choice;
    for (BookletSection section : sections)
        choice.ticked[int(section)] = true;
    choice.from = from;
    choice.to = to;
    return choice;
}

// The files the plan prints, by name, with "cover" for the end of the cover page.
QStringList printed(const BookletPlan &plan)
{
    QStringList names;
    for (const BookletStep &step : plan.steps) {
        if (step.kind == BookletStep::Kind::RichText)
            names.append(step.path.section(u'\\', -1));
        else if (step.kind == BookletStep::Kind::EndCover)
            names.append(u"cover"_s);
    }
    return names;
}

} // namespace

class BookletPlanTest : public QObject
{
    Q_OBJECT

private slots:
    void yearTextsGiveFileCodes();
    void sectionsPrintInOrder_data();
    void sectionsPrintInOrder();
    void coverPicturesAtTheirPlaces();
};

void BookletPlanTest::yearTextsGiveFileCodes()
{
    QCOMPARE(bookletCodeText(bookletYearCode(u"1965"_s)), u"65"_s);
    QCOMPARE(bookletCodeText(bookletYearCode(u"1999"_s)), u"99"_s);
    QCOMPARE(bookletCodeText(bookletYearCode(u"2000"_s)), u"A0"_s);
    QCOMPARE(bookletCodeText(bookletYearCode(u"2001"_s)), u"A1"_s);
    QCOMPARE(bookletYearCode(QString()), 0);
}

void BookletPlanTest::sectionsPrintInOrder_data()
{
    using S = BookletSection;
    QTest::addColumn<BookletChoice>("choice");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("error");
    QTest::newRow("descriptions across the century")
        << choose({S::Description}, u"1999"_s, u"2001"_s)
        << QStringList{"99desc.rtf", "A0desc.rtf", "A1desc.rtf"} << QString();
    QTest::newRow("each description before its details")
        << choose({S::Details, S::Description}, u"1965"_s, u"1966"_s)
        << QStringList{"65desc.rtf", "65.rtf", "66desc.rtf", "66.rtf"} << QString();
    QTest::newRow("cover and introduction first")
        << choose({S::Cover, S::Introduction, S::Details}, u"1970"_s, u"1970"_s)
        << QStringList{"cover", "intro.rtf", "70.rtf"} << QString();
    QTest::newRow("only the cover needs no years")
        << choose({S::Cover}, QString(), QString()) << QStringList{"cover"} << QString();
    QTest::newRow("colours print nothing")
        << choose({S::Colors}, u"1964"_s, u"2001"_s) << QStringList() << QString();
    QTest::newRow("to before from") << choose({S::Cover, S::Description}, u"1980"_s, u"1979"_s)
                                    << QStringList{"cover"} << u"ER036"_s;
    QTest::newRow("no year selected") << choose({S::Introduction, S::Engines}, u"1980"_s, QString())
                                      << QStringList{"intro.rtf"} << u"ER034"_s;
}

void BookletPlanTest::sectionsPrintInOrder()
{
    QFETCH(BookletChoice, choice);
    QFETCH(QStringList, files);
    QFETCH(QString, error);
    const BookletPlan plan = planBooklet(choice, u"E:"_s);
    QCOMPARE(printed(plan), files);
    QCOMPARE(plan.rangeError, error);
}

void BookletPlanTest::coverPicturesAtTheirPlaces()
{
    const BookletPlan plan =
        planBooklet(choose({BookletSection::Cover, BookletSection::Introduction}, {}, {}), u"E:"_s);
    QCOMPARE(plan.steps.size(), 6);
    QCOMPARE(plan.steps.at(0), (BookletStep{BookletStep::Kind::Picture, u"E:\\graphics\\logo.jpg"_s,
                                            QPoint(1600, 1600)}));
    QCOMPARE(plan.steps.at(3), (BookletStep{BookletStep::Kind::Picture,
                                            u"E:\\graphics\\quillon3.jpg"_s, QPoint(2800, 12000)}));
    QCOMPARE(plan.steps.at(5).path, u"E:\\RichText\\intro.rtf"_s);
}

QTEST_MAIN(BookletPlanTest)
#include "tst_bookletplan.moc"

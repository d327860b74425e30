#include "catalogue/entrymodel.h"
#include "startup/programstate.h"

#include <QSignalSpy>
#include <QTest>

using namespace gallerion;
using namespace Qt::Literals::StringLiterals;

namespace {

// 1967 has three photos, 1968 none; 1966 and 1969 surround them.
PhotoListData sampleList()
{
    return photoListFromNames({u"66AAAA01.JPG"_s, u"67AAAA01.JPG"_s, u"67AAAA02.JPG"_s,
                               u"67AAAA03.JPG"_s, u"69AAAA01.JPG"_s},
                              u"E:"_s);
}

} // namespace

class EntryModelTest : public QObject
{
    Q_OBJECT

private slots:
    void nothingOpenDoesNotStep();
    void openingShowsTheFirstPhoto();
    void entryWithoutPhotosKeepsThePhotoOnView();
    void stepMovesTheCursorShowMovesThePhoto();
    void programStateMirrorsTheModel();
};

void EntryModelTest::nothingOpenDoesNotStep()
{
    EntryModel model;
    model.setPhotoList(sampleList());
    QSignalSpy photo(&model, &EntryModel::photoChanged);
    QVERIFY(!model.isOpen());
    QCOMPARE(model.step(true), 0);
    QCOMPARE(model.step(false), 0);
    QCOMPARE(photo.size(), 0);
}

void EntryModelTest::openingShowsTheFirstPhoto()
{
    EntryModel model;
    model.setPhotoList(sampleList());
    QSignalSpy entry(&model, &EntryModel::entryChanged);
    QVERIFY(model.open(u"1967"_s, false));
    QCOMPARE(entry.size(), 1);
    QCOMPARE(model.caption(), u"1967"_s);
    QCOMPARE(model.code(), u"67"_s);
    QCOMPARE(model.shownIndex(), 2);
    QCOMPARE(model.photoPath(), u"E:\\zarvicks\\67AAAA01.JPG"_s);
    QCOMPARE(model.photoNumber(), u"1"_s);
    QCOMPARE(model.cursor(), (PhotoCursor{0, true, false, false}));
}

void EntryModelTest::entryWithoutPhotosKeepsThePhotoOnView()
{
    EntryModel model;
    model.setPhotoList(sampleList());
    model.open(u"1967"_s, false);
    QVERIFY(!model.open(u"1968"_s, false));
    QCOMPARE(model.caption(), u"1968"_s);
    QCOMPARE(model.shownIndex(), model.photoCount() + 1);
    QCOMPARE(model.photoPath(), u"E:\\zarvicks\\67AAAA01.JPG"_s);
    QCOMPARE(model.step(true), 0);
}

void EntryModelTest::stepMovesTheCursorShowMovesThePhoto()
{
    EntryModel model;
    model.setPhotoList(sampleList());
    model.open(u"1967"_s, false);
    const int next = model.step(true);
    QCOMPARE(next, 3);
    // A photo that fails to show leaves the one on view, but the cursor moved on.
    QCOMPARE(model.shownIndex(), 2);
    QVERIFY(!model.cursor().entryJustOpened);
    model.show(next);
    QCOMPARE(model.shownIndex(), 3);
    QCOMPARE(model.photoNumber(), u"2"_s);
    QCOMPARE(model.photoPath(), u"E:\\zarvicks\\67AAAA02.JPG"_s);
}

void EntryModelTest::programStateMirrorsTheModel()
{
    ProgramState state;
    state.entries().setPhotoList(sampleList());
    QSignalSpy photo(&state, &ProgramState::photoChanged);
    QSignalSpy code(&state, &ProgramState::entryCodeChanged);
    state.entries().open(u"1967"_s, false);
    state.entries().show(state.entries().step(false));
    QCOMPARE(state.property("PhotoCount").toInt(), 5);
    QCOMPARE(state.property("CurrentPhotoPath").toString(), u"E:\\zarvicks\\67AAAA03.JPG"_s);
    QCOMPARE(state.property("CodePosition").toInt(), 3);
    QCOMPARE(state.property("CurrentEntryCode").toString(), state.entries().code());
    QCOMPARE(state.property("ShownPhotoIndex").toInt(), state.entries().shownIndex());
    QCOMPARE(state.property("CurrentPhotoPath").toString(), state.entries().photoPath());
    QCOMPARE(state.property("LastStepBack").toBool(), state.entries().cursor().lastStepBack);
    QVERIFY(photo.size() >= 2);
    QCOMPARE(code.size(), 1);
    QVERIFY(state.setProperty("CurrentEntryCode", u"A1"_s));
    QCOMPARE(state.entries().code(), u"A1"_s);
    QCOMPARE(code.size(), 2);
}

QTEST_MAIN(EntryModelTest)
#include "tst_entrymodel.moc"

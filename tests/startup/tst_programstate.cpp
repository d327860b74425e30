#include "startup/programstate.h"

#include <QTest>

using namespace gallerion;

namespace {
// A feature's model as the features write them: properties with NOTIFY signals.
class CounterModel : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int SlideInterval READ interval NOTIFY changed)
    Q_PROPERTY(QStringList MovieList READ movies NOTIFY changed)

public:
    using QObject::QObject;
    int interval() const { return m_interval; }
    QStringList movies() const { return m_movies; }
    void set(int interval, const QStringList &movies)
    {
        m_interval = interval;
        m_movies = movies;
        emit changed();
    }

signals:
    void changed();

private:
    int m_interval = 5000;
    QStringList m_movies;
};
} // namespace

class ProgramStateTest : public QObject
{
    Q_OBJECT

private slots:
    void forwardedPropertiesFollowTheModel()
    {
        ProgramState state;
        CounterModel model(&state);
        state.forwardProperties(&model);
        QCOMPARE(state.property("SlideInterval").toInt(), 5000);
        QVERIFY(state.property("MovieList").toStringList().isEmpty());

        model.set(7000, {QStringLiteral("a.avi"), QStringLiteral("b.avi")});
        QCOMPARE(state.property("SlideInterval").toInt(), 7000);
        QCOMPARE(state.property("MovieList").toStringList().size(), 2);
        // The program's own variables stay as they were.
        QCOMPARE(state.property("ErrorCode").toString(), QString());
    }
};

QTEST_GUILESS_MAIN(ProgramStateTest)
#include "tst_programstate.moc"

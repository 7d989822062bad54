#include "OutputCore.h"

#include <QTest>

namespace {

// A stream whose server can be absent, answer slowly, stall, break off or come back.
class TFakeDevice final : public TPcmDevice {
public:
    bool ServerUp = true; // a connection can be made
    int ConnectTurns = 1; // turns until a connection is ready
    bool Stalled = false; // takes nothing
    bool Broken = false;  // the connection breaks off
    int Opens = 0;
    int Flushes = 0;
    qint64 Played = 0;

    void Open(int, int, const QString &) override {
        ++Opens;
        FTurns = 0;
        FState = ServerUp ? TState::Opening : TState::Failed;
    }
    TState Pump() override {
        if (FState == TState::Opening && ++FTurns >= ConnectTurns)
            FState = TState::Ready;
        if (Broken && FState != TState::Closed)
            FState = TState::Failed;
        return FState;
    }
    qint64 Writable() override { return Stalled ? 0 : 882; } // 20 ms at 22050 Hz mono
    void Write(const char *, qint64 size) override { Played += size; }
    void Flush() override { ++Flushes; }
    void Close() override { FState = TState::Closed; }
    QString Error() const override { return QStringLiteral("gone"); }

private:
    TState FState = TState::Closed;
    int FTurns = 0;
};

// One event of a session: what happens, then turns of the output until `untilMs`.
struct TEvent {
    enum TKind { Speak, ServerDown, ServerUp, Stall, Unstall, Break, Mend, Wait } Kind;
    qint64 UntilMs;
};

} // namespace

Q_DECLARE_METATYPE(QList<TEvent>)

class TestOutputCore : public QObject {
    Q_OBJECT

private slots:
    void Recovery_data() {
        QTest::addColumn<QList<TEvent>>("events");
        QTest::addColumn<bool>("failing");
        QTest::addColumn<bool>("heardLast"); // the last utterance was played
        QTest::addColumn<int>("opens");
        using E = TEvent;
        QTest::newRow("plays and closes when idle")
            << QList<E>{{E::Speak, 3000}} << false << true << 1;
        QTest::newRow("no server at start, then one comes")
            << QList<E>{{E::ServerDown, 0}, {E::Speak, 1000}, {E::ServerUp, 1000}, {E::Speak, 3000}}
            << false << true << 2;
        QTest::newRow("no server: the failure is kept")
            << QList<E>{{E::ServerDown, 0}, {E::Speak, 1000}, {E::Speak, 2000}} << true << false
            << 2;
        QTest::newRow("stall mid-sentence drops the queue, the next utterance plays")
            << QList<E>{{E::Speak, 100}, {E::Stall, 2500}, {E::Unstall, 2600}, {E::Speak, 6000}}
            << false << true << 2;
        QTest::newRow("lost mid-sentence, back at the next utterance")
            << QList<E>{{E::Speak, 100}, {E::Break, 200}, {E::Mend, 300}, {E::Speak, 3000}} << false
            << true << 2;
        QTest::newRow("server restarted between utterances")
            << QList<E>{{E::Speak, 3000}, {E::Break, 3100}, {E::Mend, 3200}, {E::Speak, 6000}}
            << false << true << 2;
        QTest::newRow("a server that never answers is given up")
            << QList<E>{{E::Stall, 0}, {E::Speak, 5000}} << true << false << 1;
    }
    void Recovery() {
        QFETCH(QList<TEvent>, events);
        TFakeDevice device;
        TOutputCore core(device);
        const QByteArray second(22050, '\1'); // half a second of speech
        qint64 now = 0;
        qint64 playedBefore = 0;
        for (const TEvent &e : events) {
            switch (e.Kind) {
            case TEvent::Speak:
                core.Purge();
                core.Begin(22050, 1);
                core.Append(second.constData(), second.size());
                playedBefore = device.Played;
                break;
            case TEvent::ServerDown:
                device.ServerUp = false;
                break;
            case TEvent::ServerUp:
                device.ServerUp = true;
                break;
            case TEvent::Stall:
                device.Stalled = true;
                device.ConnectTurns = 1000000;
                break;
            case TEvent::Unstall:
                device.Stalled = false;
                device.ConnectTurns = 1;
                break;
            case TEvent::Break:
                device.Broken = true;
                break;
            case TEvent::Mend:
                device.Broken = false;
                break;
            case TEvent::Wait:
                break;
            }
            while (now < e.UntilMs) {
                const int next = core.Step(now);
                now += next < 0 ? 10 : qMax(next, 1);
            }
        }
        QFETCH(bool, failing);
        QFETCH(bool, heardLast);
        QFETCH(int, opens);
        QCOMPARE(core.Failing(), failing);
        QCOMPARE(device.Played - playedBefore == second.size(), heardLast);
        QCOMPARE(core.Queued(), 0); // never a queue left for a producer to wait on
        QCOMPARE(device.Opens, opens);
        QVERIFY(!failing || !core.Error().isEmpty());
    }

    // A purge reaches the samples the server holds, and an idle output wakes nobody.
    void PurgeAndIdle() {
        TFakeDevice device;
        TOutputCore core(device);
        const QByteArray samples(4410, '\1');
        core.Begin(22050, 1);
        core.Append(samples.constData(), samples.size());
        QCOMPARE(core.Step(0), TOutputCore::PollMs);
        core.Purge();
        core.Step(10);
        QCOMPARE(device.Flushes, 1);
        QVERIFY(core.Step(20) > 0); // still open, waiting to close
        QCOMPARE(core.Step(2000), -1);
        QVERIFY(!core.IsOpen());
        QCOMPARE(core.Step(3000), -1);
    }
};

QTEST_GUILESS_MAIN(TestOutputCore)
#include "tst_OutputCore.moc"

#include "sound/QuietAudioLog.h"
#include "sound/SinkVoices.h"
#include "sound/SoundBank.h"
#include "sound/WavPcm.h"

#include <QTest>
#include <QtEndian>
#include <cmath>
#include <limits>
#include <set>

namespace {
// What the fake voices were asked to do, in order.
struct Log {
    QStringList events;
    QList<QByteArray> pcms; // one per voice made, by voice id
    std::set<int> playing;
    int asked = 0;
};

class FakeVoice final : public Voice {
  public:
    FakeVoice(std::shared_ptr<Log> log, int id) : m_log(std::move(log)), m_id(id) {}
    bool isPlaying() const override { return m_log->playing.count(m_id) > 0; }
    void stop() override {
        m_log->events << QStringLiteral("stop %1").arg(m_id);
        m_log->playing.erase(m_id);
    }
    void setVolume(float volume) override {
        m_log->events << QStringLiteral("volume %1 %2").arg(m_id).arg(double(volume));
    }
    void start() override {
        m_log->events << QStringLiteral("start %1").arg(m_id);
        m_log->playing.insert(m_id);
    }

  private:
    std::shared_ptr<Log> m_log;
    int m_id;
};

// Makes voices until `capacity` is reached, like an output with few streams.
class FakeFactory final : public VoiceFactory {
  public:
    FakeFactory(std::shared_ptr<Log> log, int capacity)
        : m_log(std::move(log)), m_capacity(capacity) {}
    std::unique_ptr<Voice> make(const QByteArray& pcm) override {
        ++m_log->asked;
        if (m_log->pcms.size() >= m_capacity) return nullptr;
        m_log->pcms << pcm;
        return std::make_unique<FakeVoice>(m_log, int(m_log->pcms.size() - 1));
    }

  private:
    std::shared_ptr<Log> m_log;
    int m_capacity;
};

struct Rig {
    std::shared_ptr<Log> log = std::make_shared<Log>();
    SoundBank bank;
    explicit Rig(int capacity = 1000) : bank(std::make_unique<FakeFactory>(log, capacity)) {}
    QStringList started() const { return log->events.filter(QStringLiteral("start")); }
};

QByteArray wavOf(TapSound sound) {
    return TapSynth::wav(TapSynth::samples(sound));
}

QStringList captured;
void capture(QtMsgType, const QMessageLogContext&, const QString& text) {
    captured << text;
}
} // namespace

class TestSoundBank : public QObject {
    Q_OBJECT

  private slots:
    void oneCounterRotatesAcrossSounds_data() {
        QTest::addColumn<QStringList>("sounds");
        QTest::addColumn<QStringList>("started");
        // Voices are numbered in the order they were made: four per sound.
        QTest::newRow("one sound wraps round")
            << QStringList{"pop", "pop", "pop", "pop", "pop", "pop"}
            << QStringList{"start 1", "start 2", "start 3", "start 0", "start 1", "start 2"};
        QTest::newRow("two sounds share the position")
            << QStringList{"pop", "tick", "pop", "tick", "pop"}
            << QStringList{"start 1", "start 6", "start 3", "start 4", "start 1"};
        QTest::newRow("a new sound starts where the position is")
            << QStringList{"pop", "pop", "chime"} << QStringList{"start 1", "start 2", "start 7"};
    }
    void oneCounterRotatesAcrossSounds() {
        QFETCH(QStringList, sounds);
        QFETCH(QStringList, started);
        Rig rig;
        for (const QString& raw : sounds)
            rig.bank.play(*fromRawValue<TapSound>(raw), 0.5);
        QCOMPARE(rig.started(), started);
    }

    void voicesAreMadeOncePerSoundFromTheWavData() {
        Rig rig;
        for (int i = 0; i < 9; ++i)
            rig.bank.play(TapSound::pop, 1);
        rig.bank.play(TapSound::tick, 1);
        rig.bank.play(TapSound::tick, 1);
        QCOMPARE(rig.log->asked, 8);
        QCOMPARE(rig.log->pcms.size(), 8);
        const QByteArray popWav = wavOf(TapSound::pop);
        const QByteArray tickWav = wavOf(TapSound::tick);
        QCOMPARE(rig.log->pcms[0], popWav.mid(44));
        QCOMPARE(rig.log->pcms[0].size(), 2 * 3969);
        QCOMPARE(rig.log->pcms[4], tickWav.mid(44));
        // Synthesised once: the four voices share one copy of the samples.
        QCOMPARE(rig.log->pcms[3].constData(), rig.log->pcms[0].constData());
    }

    void aReusedVoiceIsStoppedThenRestarted() {
        Rig rig;
        rig.bank.play(TapSound::pop, 0.5);
        QCOMPARE(rig.log->events, (QStringList{"volume 1 0.5", "start 1"}));
        for (int i = 0; i < 3; ++i)
            rig.bank.play(TapSound::pop, 0.5);
        rig.log->events.clear();
        rig.bank.play(TapSound::pop, 0.25); // back to voice 1, still sounding
        QCOMPARE(rig.log->events, (QStringList{"stop 1", "volume 1 0.25", "start 1"}));
    }

    void volumeIsMadeSafeOnEveryPlay_data() {
        QTest::addColumn<double>("volume");
        QTest::addColumn<QString>("applied");
        const double inf = std::numeric_limits<double>::infinity();
        QTest::newRow("in range") << 0.3 << "volume 1 0.3";
        QTest::newRow("silent still plays") << 0.0 << "volume 1 0";
        QTest::newRow("NaN falls back") << std::nan("") << "volume 1 0.6";
        QTest::newRow("too loud") << 3.0 << "volume 1 1";
        QTest::newRow("negative") << -1.0 << "volume 1 0";
        QTest::newRow("infinite") << inf << "volume 1 1";
        QTest::newRow("minus infinite") << -inf << "volume 1 0";
    }
    void volumeIsMadeSafeOnEveryPlay() {
        QFETCH(double, volume);
        QFETCH(QString, applied);
        Rig rig;
        rig.bank.play(TapSound::knock, volume);
        QCOMPARE(rig.log->events, (QStringList{applied, "start 1"}));
        rig.bank.play(TapSound::knock, 1.0); // the position moved on regardless
        QCOMPARE(rig.started().last(), QStringLiteral("start 2"));
    }

    void withoutVoicesPlayingDoesNothingAndAsksOnce() {
        Rig rig(0);
        for (int i = 0; i < 5; ++i)
            rig.bank.play(TapSound::pop, 1);
        rig.bank.play(TapSound::tick, 1);
        QCOMPARE(rig.log->asked, 8);
        QVERIFY(rig.log->events.isEmpty());
    }

    void fewerVoicesRotateOverThoseThereAre() {
        Rig rig(2);
        for (int i = 0; i < 3; ++i)
            rig.bank.play(TapSound::blip, 1);
        QCOMPARE(rig.started(), (QStringList{"start 1", "start 0", "start 1"}));
    }

    void wavSamplesAcceptOnlyThePlainLayout_data() {
        QTest::addColumn<QByteArray>("wav");
        QTest::addColumn<int>("expectedBytes");
        const QByteArray good = wavOf(TapSound::tick);
        auto patched = [&](int offset, quint32 value, int width) {
            QByteArray bytes = good;
            if (width == 4)
                qToLittleEndian<quint32>(value, bytes.data() + offset);
            else
                qToLittleEndian<quint16>(quint16(value), bytes.data() + offset);
            return bytes;
        };
        QTest::newRow("tick") << good << 3086;
        QTest::newRow("trailing bytes are not samples") << good + QByteArray(10, 'x') << 3086;
        QTest::newRow("empty") << QByteArray() << 0;
        QTest::newRow("header cut short") << good.left(43) << 0;
        QTest::newRow("data size beyond the file") << patched(40, 3088, 4) << 0;
        QTest::newRow("huge data size") << patched(40, 0xFFFFFFFE, 4) << 0;
        QTest::newRow("odd data size") << patched(40, 3085, 4) << 0;
        QTest::newRow("stereo") << patched(22, 2, 2) << 0;
        QTest::newRow("other rate") << patched(24, 48000, 4) << 0;
        QTest::newRow("8-bit") << patched(34, 8, 2) << 0;
        QTest::newRow("float") << patched(20, 3, 2) << 0;
        QTest::newRow("not RIFF") << QByteArray("RIFX") + good.mid(4) << 0;
    }
    void wavSamplesAcceptOnlyThePlainLayout() {
        QFETCH(QByteArray, wav);
        QFETCH(int, expectedBytes);
        const QByteArray pcm = WavPcm::samples(wav);
        QCOMPARE(int(pcm.size()), expectedBytes);
        if (expectedBytes > 0) QCOMPARE(pcm, wav.mid(44, expectedBytes));
    }

    void onlyTheSoundOutputsComplaintsAreDropped_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("dropped");
        QTest::newRow("server gone") << int(QtWarningMsg) << "default"
                                     << "\"Stream error: Connection terminated\"" << true;
        QTest::newRow("no server") << int(QtWarningMsg) << "default"
                                   << "PulseAudioService: pa_context_connect() failed" << true;
        QTest::newRow("multimedia category") << int(QtWarningMsg) << "qt.multimedia.pulseaudio"
                                             << "anything" << true;
        QTest::newRow("someone else's warning") << int(QtWarningMsg) << "default"
                                                << "QWidget: cannot do that" << false;
        QTest::newRow("same words, other category") << int(QtWarningMsg) << "qt.qpa.xcb"
                                                    << "Stream error: x" << false;
        QTest::newRow("fatal always shows") << int(QtFatalMsg) << "qt.multimedia.pulseaudio"
                                            << "anything" << false;
    }
    void onlyTheSoundOutputsComplaintsAreDropped() {
        QFETCH(int, type);
        QFETCH(QString, category);
        QFETCH(QString, text);
        QFETCH(bool, dropped);
        const QByteArray name = category.toLatin1();
        QCOMPARE(QuietAudioLog::isAudioNoise(QtMsgType(type), name.constData(), text), dropped);
    }

    // The real output with no sound server to talk to: silence, and not a word.
    void realVoicesWithoutAServerStaySilentAndQuiet() {
        qputenv("PULSE_SERVER", "unix:/nonexistent/handwick-test-socket");
        captured.clear();
        const QtMessageHandler before = qInstallMessageHandler(capture);
        {
            auto factory = std::make_unique<SinkVoiceFactory>();
            SinkVoiceFactory* output = factory.get();
            SoundBank bank(std::move(factory));
            for (TapSound sound : allCases<TapSound>())
                for (int i = 0; i < 6; ++i)
                    bank.play(sound, 0.5);
            output->shutDown(); // waits for the requests above to be handled
        }
        qInstallMessageHandler(before);
        QCOMPARE(captured, QStringList());
    }
};

QTEST_GUILESS_MAIN(TestSoundBank)
#include "test_soundbank.moc"

// Tap sounds: the synthesised samples and WAV bytes, pinned bit for bit, and the bank
// that plays them on rotating voices.
#include "sound/QuietAudioLog.h"
#include "sound/SinkVoices.h"
#include "sound/SoundBank.h"
#include "sound/TapSound.h"
#include "sound/WavPcm.h"

#include <QCryptographicHash>
#include <QTest>
#include <QtEndian>
#include <cmath>
#include <cstring>
#include <limits>
#include <set>

namespace {
quint32 u32At(const QByteArray& bytes, int offset) {
    return qFromLittleEndian<quint32>(bytes.constData() + offset);
}
quint16 u16At(const QByteArray& bytes, int offset) {
    return qFromLittleEndian<quint16>(bytes.constData() + offset);
}
// The n-th 16-bit sample of a WAV file.
qint16 sampleAt(const QByteArray& wav, int n) {
    return qFromLittleEndian<qint16>(wav.constData() + 44 + 2 * n);
}
QByteArray sha1(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex();
}
// The samples' exact bit patterns, independent of the host's byte order.
QByteArray floatBits(const std::vector<float>& samples) {
    QByteArray out(qsizetype(samples.size()) * 4, Qt::Uninitialized);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        quint32 bits;
        std::memcpy(&bits, &samples[i], 4);
        qToLittleEndian(bits, out.data() + 4 * i);
    }
    return out;
}
QByteArray wavOf(TapSound sound) {
    return TapSynth::wav(TapSynth::samples(sound));
}

// What the fake voices were asked to do, in order.
struct Log {
    QStringList events;
    QList<QByteArray> pcms; // one per voice made, by voice id
    std::set<int> playing;
    int asked = 0;
};

struct FakeVoice final : Voice {
    std::shared_ptr<Log> log;
    int id;
    FakeVoice(std::shared_ptr<Log> l, int i) : log(std::move(l)), id(i) {}
    bool isPlaying() const override { return log->playing.count(id) > 0; }
    void stop() override {
        log->events << QStringLiteral("stop %1").arg(id);
        log->playing.erase(id);
    }
    void setVolume(float v) override {
        log->events << QStringLiteral("volume %1 %2").arg(id).arg(double(v));
    }
    void start() override {
        log->events << QStringLiteral("start %1").arg(id);
        log->playing.insert(id);
    }
};

// Makes voices until `capacity` is reached, like an output with few streams.
struct FakeFactory final : VoiceFactory {
    std::shared_ptr<Log> log;
    int capacity;
    FakeFactory(std::shared_ptr<Log> l, int c) : log(std::move(l)), capacity(c) {}
    std::unique_ptr<Voice> make(const QByteArray& pcm) override {
        ++log->asked;
        if (log->pcms.size() >= capacity) return nullptr;
        log->pcms << pcm;
        return std::make_unique<FakeVoice>(log, int(log->pcms.size() - 1));
    }
};

struct Rig {
    std::shared_ptr<Log> log = std::make_shared<Log>();
    SoundBank bank;
    explicit Rig(int capacity = 1000) : bank(std::make_unique<FakeFactory>(log, capacity)) {}
    QStringList started() const { return log->events.filter(QStringLiteral("start")); }
};

QStringList captured;
void capture(QtMsgType, const QMessageLogContext&, const QString& text) {
    captured << text;
}
} // namespace

class TestSound : public QObject {
    Q_OBJECT

  private slots:
    // The tick's file sizes are the known ones; every header field is checked once here.
    void headerIsPlainMono16BitPcm() {
        const QByteArray wav = wavOf(TapSound::tick);
        QCOMPARE(wav.size(), 3130);
        QCOMPARE(wav.left(4), QByteArray("RIFF"));
        QCOMPARE(u32At(wav, 4), 3122u);
        QCOMPARE(wav.mid(8, 8), QByteArray("WAVEfmt "));
        QCOMPARE(u32At(wav, 16), 16u);
        QCOMPARE(u16At(wav, 20), 1u); // integer PCM
        QCOMPARE(u16At(wav, 22), 1u); // mono
        QCOMPARE(u32At(wav, 24), 44100u);
        QCOMPARE(u32At(wav, 28), 88200u);
        QCOMPARE(u16At(wav, 32), 2u);
        QCOMPARE(u16At(wav, 34), 16u);
        QCOMPARE(wav.mid(36, 4), QByteArray("data"));
        QCOMPARE(u32At(wav, 40), 3086u);
        const QByteArray empty = TapSynth::wav({});
        QCOMPARE(empty.size(), 44);
        QCOMPARE(u32At(empty, 4), 36u);
        QCOMPARE(u32At(empty, 40), 0u);
    }

    void knownSampleValues() {
        const QByteArray pop = wavOf(TapSound::pop);
        QCOMPARE(TapSynth::samples(TapSound::pop).front(), 0.0f); // no attack yet
        QCOMPARE(sampleAt(pop, 0), qint16(0));
        QCOMPARE(sampleAt(pop, 1), qint16(155));

        const QByteArray blip = wavOf(TapSound::blip);
        QCOMPARE(sampleAt(blip, 0), qint16(-10500));  // sin 0 is not above 0
        QVERIFY(std::abs(sampleAt(blip, 3086)) < 10); // faded out

        // After its half-sine envelope ends, boop holds only rounding dust.
        const QByteArray boop = wavOf(TapSound::boop);
        QVERIFY(sampleAt(boop, 6414) != 0);
        for (int n = 6415; n <= 7055; ++n)
            QCOMPARE(sampleAt(boop, n), qint16(0));
    }

    void noiseRestartsWithEverySynthesis() {
        QCOMPARE(wavOf(TapSound::knock), wavOf(TapSound::knock));
        QCOMPARE(wavOf(TapSound::tick), wavOf(TapSound::tick));
    }

    // Any change to a formula, a constant or the order of operations shows here.
    void synthesisIsPinnedBitForBit_data() {
        QTest::addColumn<TapSound>("sound");
        QTest::addColumn<int>("count");
        QTest::addColumn<QByteArray>("samplesSha1");
        QTest::addColumn<QByteArray>("wavSha1");
        const auto row = [](const char* name, int count, const char* samples, const char* wav) {
            QTest::newRow(name) << *fromRawValue<TapSound>(name) << count << QByteArray(samples)
                                << QByteArray(wav);
        };
        row("pop", 3969, "8b117a2aa1e9442ce457f6f0125ae1c812a1c9e7",
            "e9fd96e92933b83dc9922ebbca197b415a8a4ded");
        row("tick", 1543, "20ab6fe2b72d0f9ec26363770b80a08e4e11b34f",
            "6749b9506d643bce939d75efa04929be67b5c6da");
        row("boop", 7056, "fa054c80e2f89a0969cf623f1fbff8532f6902dc",
            "5fb813a6d410ca2f6409527287f2ce695e955fc8");
        row("knock", 5292, "bcee90bb546d37f9829896857b1922835df1e21e",
            "698ceae9a56601d3b0557b820b904dfae3569cbe");
        row("blip", 3087, "72bc1fb2ded34312dccf8b2e619661fc9246e45e",
            "3778418954f0acff0ba40233dc5f52181ba34307");
        row("chime", 15435, "ab5d7e459b10ccd7bc67deebf6a0acafcacb6dc6",
            "a5769e44044eb30c7106d49ed0d6af8343645c97");
    }
    void synthesisIsPinnedBitForBit() {
        QFETCH(TapSound, sound);
        QFETCH(int, count);
        QFETCH(QByteArray, samplesSha1);
        QFETCH(QByteArray, wavSha1);
        const std::vector<float> samples = TapSynth::samples(sound);
        QCOMPARE(int(samples.size()), count);
        QCOMPARE(sha1(floatBits(samples)), samplesSha1);
        QCOMPARE(sha1(TapSynth::wav(samples)), wavSha1);
    }

    void samplesAreClampedScaledAndTruncated() {
        const float nan = std::numeric_limits<float>::quiet_NaN();
        const float inf = std::numeric_limits<float>::infinity();
        const std::vector<float> in{1.5f,  nan,  -2.0f, 0.99999f, -0.00001f, 1.0f,
                                    -1.0f, 0.5f, inf,   -inf,     -0.99999f};
        const std::vector<qint16> expected{30000,  30000, -30000, 29999,  0,     30000,
                                           -30000, 15000, 30000,  -30000, -29999};
        const QByteArray wav = TapSynth::wav(in);
        QCOMPARE(wav.size(), 44 + 2 * int(in.size()));
        for (std::size_t i = 0; i < in.size(); ++i)
            QCOMPARE(sampleAt(wav, int(i)), expected[i]);
    }
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
        QCOMPARE(rig.log->asked, 8);
        QCOMPARE(rig.log->pcms[0], wavOf(TapSound::pop).mid(44));
        QCOMPARE(rig.log->pcms[4], wavOf(TapSound::tick).mid(44));
        // Synthesised once: the four voices share one copy of the samples.
        QCOMPARE(rig.log->pcms[3].constData(), rig.log->pcms[0].constData());
    }

    void aReusedVoiceIsStoppedThenRestarted() {
        Rig rig;
        for (int i = 0; i < 4; ++i)
            rig.bank.play(TapSound::pop, 0.5);
        rig.log->events.clear();
        rig.bank.play(TapSound::pop, 0.25); // back to voice 1, still sounding
        QCOMPARE(rig.log->events, (QStringList{"stop 1", "volume 1 0.25", "start 1"}));
    }

    void volumeIsMadeSafeOnEveryPlay() {
        // Silence still plays (and moves the position); NaN falls back to the default.
        const double volumes[] = {0.3, 0.0, std::nan(""), 3.0, -HUGE_VAL};
        const char* applied[] = {"volume 1 0.3", "volume 1 0", "volume 1 0.6", "volume 1 1",
                                 "volume 1 0"};
        for (int i = 0; i < 5; ++i) {
            Rig rig;
            rig.bank.play(TapSound::knock, volumes[i]);
            QCOMPARE(rig.log->events, (QStringList{applied[i], "start 1"}));
            rig.bank.play(TapSound::knock, 1.0); // the position moved on regardless
            QCOMPARE(rig.started().last(), QStringLiteral("start 2"));
        }
    }

    void fewerVoicesRotateOverThoseThereAreAndNoneIsSilence() {
        Rig two(2);
        for (int i = 0; i < 3; ++i)
            two.bank.play(TapSound::blip, 1);
        QCOMPARE(two.started(), (QStringList{"start 1", "start 0", "start 1"}));
        Rig none(0); // asked once per voice, never again
        for (int i = 0; i < 5; ++i)
            none.bank.play(TapSound::pop, 1);
        none.bank.play(TapSound::tick, 1);
        QCOMPARE(none.log->asked, 8);
        QVERIFY(none.log->events.isEmpty());
    }

    void wavSamplesAcceptOnlyThePlainLayout() {
        const QByteArray good = wavOf(TapSound::tick);
        QCOMPARE(WavPcm::samples(good), good.mid(44));
        QCOMPARE(WavPcm::samples(good + "trailing"), good.mid(44));
        const auto patched = [&](int offset, quint32 value, int width) {
            QByteArray bytes = good;
            width == 4 ? qToLittleEndian<quint32>(value, bytes.data() + offset)
                       : qToLittleEndian<quint16>(quint16(value), bytes.data() + offset);
            return bytes;
        };
        int row = 0;
        for (const QByteArray& bad :
             {QByteArray(), good.left(43), patched(40, 3088, 4), patched(40, 0xFFFFFFFE, 4),
              patched(40, 3085, 4), patched(22, 2, 2), patched(24, 48000, 4), patched(34, 8, 2),
              patched(20, 3, 2), QByteArray("RIFX") + good.mid(4)})
            QVERIFY2(WavPcm::samples(bad).isEmpty(), qPrintable(QString::number(row++)));
    }

    void onlyTheSoundOutputsComplaintsAreDropped() {
        const auto w = QtWarningMsg;
        const std::tuple<QtMsgType, const char*, const char*, bool> cases[] = {
            {w, "default", "\"Stream error: Connection terminated\"", true},
            {w, "default", "PulseAudioService: pa_context_connect() failed", true},
            {w, "qt.multimedia.pulseaudio", "anything", true},
            {w, "default", "QWidget: cannot do that", false},
            {w, "qt.qpa.xcb", "Stream error: x", false},
            {QtFatalMsg, "qt.multimedia.pulseaudio", "fatal always shows", false}};
        for (const auto& [type, category, text, dropped] : cases)
            QVERIFY2(QuietAudioLog::isAudioNoise(type, category, text) == dropped, text);
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

QTEST_GUILESS_MAIN(TestSound)
#include "test_sound.moc"

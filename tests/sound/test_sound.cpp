// Tap sounds: synthesis and WAV bytes pinned bit for bit, and the bank that plays
// them on rotating voices.
#include "sound/SoundBank.h"
#include "sound/TapSound.h"

#include <QCryptographicHash>
#include <QTest>
#include <QtEndian>
#include <cstring>
#include <set>

namespace {
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

// Voices that write down what the bank asks of them; numbered in the order made.
// The factory makes voices until `capacity` is reached, like an output with few streams.
struct Log {
    QStringList events;
    QList<QByteArray> pcms;
    std::set<int> playing;
    int asked = 0;
};

struct FakeVoice final : Voice {
    std::shared_ptr<Log> log;
    int id;
    FakeVoice(std::shared_ptr<Log> l, int i) : log(std::move(l)), id(i) {}
    void note(const QString& event) { log->events << event.arg(id); }
    bool isPlaying() const override { return log->playing.count(id) > 0; }
    void setVolume(float v) override { note(QStringLiteral("volume %1 ") + QString::number(v)); }
    void stop() override {
        note(QStringLiteral("stop %1"));
        log->playing.erase(id);
    }
    void start() override {
        note(QStringLiteral("start %1"));
        log->playing.insert(id);
    }
};

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
    explicit Rig(int capacity = 4) : bank(std::make_unique<FakeFactory>(log, capacity)) {}
    QStringList started() const { return log->events.filter(QStringLiteral("start")); }
};
} // namespace

class TestSound : public QObject {
    Q_OBJECT

  private slots:
    // Any change to a formula, a constant, the order of operations, the sample
    // conversion or the header shows here.
    void synthesisIsPinnedBitForBit_data() {
        QTest::addColumn<TapSound>("sound");
        QTest::addColumn<QByteArray>("samplesSha1");
        QTest::addColumn<QByteArray>("wavSha1");
        const auto row = [](const char* name, const char* samples, const char* wav) {
            QTest::newRow(name) << *fromRawValue<TapSound>(name) << QByteArray(samples)
                                << QByteArray(wav);
        };
        row("pop", "8b117a2aa1e9442ce457f6f0125ae1c812a1c9e7",
            "e9fd96e92933b83dc9922ebbca197b415a8a4ded");
        row("tick", "20ab6fe2b72d0f9ec26363770b80a08e4e11b34f",
            "6749b9506d643bce939d75efa04929be67b5c6da");
        row("boop", "fa054c80e2f89a0969cf623f1fbff8532f6902dc",
            "5fb813a6d410ca2f6409527287f2ce695e955fc8");
        row("knock", "bcee90bb546d37f9829896857b1922835df1e21e",
            "698ceae9a56601d3b0557b820b904dfae3569cbe");
        row("blip", "72bc1fb2ded34312dccf8b2e619661fc9246e45e",
            "3778418954f0acff0ba40233dc5f52181ba34307");
        row("chime", "ab5d7e459b10ccd7bc67deebf6a0acafcacb6dc6",
            "a5769e44044eb30c7106d49ed0d6af8343645c97");
    }
    void synthesisIsPinnedBitForBit() {
        QFETCH(TapSound, sound);
        QFETCH(QByteArray, samplesSha1);
        QFETCH(QByteArray, wavSha1);
        const std::vector<float> samples = TapSynth::samples(sound);
        QCOMPARE(sha1(floatBits(samples)), samplesSha1);
        QCOMPARE(TapSynth::samples(sound), samples); // the noise starts afresh every time
        const QByteArray wav = TapSynth::wav(samples);
        QCOMPARE(sha1(wav), wavSha1);
        // What the bank hands to the output is the file's data, header and all stripped.
        QCOMPARE(TapSynth::pcm(samples), wav.mid(44));
    }

    // Voices are numbered in the order made, four per sound: pop gets 0…3, the next 4…7.
    void oneCounterRotatesAcrossSounds_data() {
        QTest::addColumn<int>("capacity"); // how many voices the output can make
        QTest::addColumn<QStringList>("sounds");
        QTest::addColumn<QStringList>("started");
        QTest::addColumn<int>("asked"); // once per voice and sound, never again
        QTest::newRow("one sound wraps round")
            << 100 << QStringList{"pop", "pop", "pop", "pop", "pop", "pop"}
            << QStringList{"start 1", "start 2", "start 3", "start 0", "start 1", "start 2"} << 4;
        QTest::newRow("two sounds share the position")
            << 100 << QStringList{"pop", "tick", "pop", "tick", "pop"}
            << QStringList{"start 1", "start 6", "start 3", "start 4", "start 1"} << 8;
        QTest::newRow("fewer voices") << 2 << QStringList{"blip", "blip", "blip"}
                                      << QStringList{"start 1", "start 0", "start 1"} << 4;
        QTest::newRow("no voices: silence")
            << 0 << QStringList{"pop", "pop", "tick"} << QStringList{} << 8;
    }
    void oneCounterRotatesAcrossSounds() {
        QFETCH(int, capacity);
        QFETCH(QStringList, sounds);
        QFETCH(QStringList, started);
        QFETCH(int, asked);
        Rig rig(capacity);
        for (const QString& raw : sounds)
            rig.bank.play(*fromRawValue<TapSound>(raw), 0.5);
        QCOMPARE(rig.started(), started);
        QCOMPARE(rig.log->asked, asked);
    }

    void aSoundingVoiceIsStoppedBeforeItStartsAgain() {
        Rig rig;
        for (int i = 0; i < 4; ++i)
            rig.bank.play(TapSound::pop, 0.5);
        QCOMPARE(rig.log->pcms[0], TapSynth::pcm(TapSynth::samples(TapSound::pop)));
        QCOMPARE(rig.log->pcms[3].constData(), rig.log->pcms[0].constData()); // one copy
        rig.log->events.clear();
        rig.bank.play(TapSound::pop, 0.25); // back to voice 1, still sounding
        QCOMPARE(rig.log->events, (QStringList{"stop 1", "volume 1 0.25", "start 1"}));
    }
};

QTEST_GUILESS_MAIN(TestSound)
#include "test_sound.moc"

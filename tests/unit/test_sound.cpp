#include "sound/TapSound.h"

#include <QCryptographicHash>
#include <QTest>
#include <QtEndian>
#include <cmath>
#include <cstring>
#include <limits>

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
} // namespace

class TestSound : public QObject {
    Q_OBJECT

  private slots:
    void everySoundHasItsLengthAndAWellFormedHeader_data() {
        QTest::addColumn<TapSound>("sound");
        QTest::addColumn<int>("count");
        QTest::newRow("pop") << TapSound::pop << 3969;
        QTest::newRow("tick") << TapSound::tick << 1543;
        QTest::newRow("boop") << TapSound::boop << 7056;
        QTest::newRow("knock") << TapSound::knock << 5292;
        QTest::newRow("blip") << TapSound::blip << 3087;
        QTest::newRow("chime") << TapSound::chime << 15435;
    }
    void everySoundHasItsLengthAndAWellFormedHeader() {
        QFETCH(TapSound, sound);
        QFETCH(int, count);
        const std::vector<float> samples = TapSynth::samples(sound);
        QCOMPARE(int(samples.size()), count);
        for (float s : samples)
            QVERIFY(std::isfinite(s));

        const QByteArray wav = TapSynth::wav(samples);
        QCOMPARE(wav.size(), 44 + 2 * count);
        QCOMPARE(wav.left(4), QByteArray("RIFF"));
        QCOMPARE(u32At(wav, 4), quint32(2 * count + 36));
        QCOMPARE(wav.mid(8, 8), QByteArray("WAVEfmt "));
        QCOMPARE(u32At(wav, 16), 16u);
        QCOMPARE(u16At(wav, 20), 1u); // integer PCM
        QCOMPARE(u16At(wav, 22), 1u); // mono
        QCOMPARE(u32At(wav, 24), 44100u);
        QCOMPARE(u32At(wav, 28), 88200u);
        QCOMPARE(u16At(wav, 32), 2u);
        QCOMPARE(u16At(wav, 34), 16u);
        QCOMPARE(wav.mid(36, 4), QByteArray("data"));
        QCOMPARE(u32At(wav, 40), quint32(2 * count));
    }

    void tickFileHasTheKnownSizes() {
        const QByteArray wav = wavOf(TapSound::tick);
        QCOMPARE(wav.size(), 3130);
        QCOMPARE(u32At(wav, 4), 3122u);
        QCOMPARE(u32At(wav, 40), 3086u);
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
        QTest::addColumn<QByteArray>("samplesSha1");
        QTest::addColumn<QByteArray>("wavSha1");
        QTest::newRow("pop") << TapSound::pop
                             << QByteArray("8b117a2aa1e9442ce457f6f0125ae1c812a1c9e7")
                             << QByteArray("e9fd96e92933b83dc9922ebbca197b415a8a4ded");
        QTest::newRow("tick") << TapSound::tick
                              << QByteArray("20ab6fe2b72d0f9ec26363770b80a08e4e11b34f")
                              << QByteArray("6749b9506d643bce939d75efa04929be67b5c6da");
        QTest::newRow("boop") << TapSound::boop
                              << QByteArray("fa054c80e2f89a0969cf623f1fbff8532f6902dc")
                              << QByteArray("5fb813a6d410ca2f6409527287f2ce695e955fc8");
        QTest::newRow("knock") << TapSound::knock
                               << QByteArray("bcee90bb546d37f9829896857b1922835df1e21e")
                               << QByteArray("698ceae9a56601d3b0557b820b904dfae3569cbe");
        QTest::newRow("blip") << TapSound::blip
                              << QByteArray("72bc1fb2ded34312dccf8b2e619661fc9246e45e")
                              << QByteArray("3778418954f0acff0ba40233dc5f52181ba34307");
        QTest::newRow("chime") << TapSound::chime
                               << QByteArray("ab5d7e459b10ccd7bc67deebf6a0acafcacb6dc6")
                               << QByteArray("a5769e44044eb30c7106d49ed0d6af8343645c97");
    }
    void synthesisIsPinnedBitForBit() {
        QFETCH(TapSound, sound);
        QFETCH(QByteArray, samplesSha1);
        QFETCH(QByteArray, wavSha1);
        const std::vector<float> samples = TapSynth::samples(sound);
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

    void noSamplesIsAHeaderOnly() {
        const QByteArray wav = TapSynth::wav({});
        QCOMPARE(wav.size(), 44);
        QCOMPARE(u32At(wav, 4), 36u);
        QCOMPARE(u32At(wav, 40), 0u);
    }
};

QTEST_GUILESS_MAIN(TestSound)
#include "test_sound.moc"

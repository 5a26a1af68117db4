// The strike beep: the sound in the resources, the WAV reader, the mixer the sound
// server pulls from, and a beep without a sound device.
#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <QtEndian>
#include <algorithm>
#include <cmath>

#include "platform/desktop/strike_sound.h"

using namespace zentar;

namespace {

QByteArray wav(quint16 format, quint16 channels, quint32 rate, quint16 bits,
               const QByteArray& data) {
    auto le16 = [](quint16 v) {
        QByteArray b(2, 0);
        qToLittleEndian(v, b.data());
        return b;
    };
    auto le32 = [](quint32 v) {
        QByteArray b(4, 0);
        qToLittleEndian(v, b.data());
        return b;
    };
    return "RIFF" + le32(36 + data.size()) + "WAVEfmt " + le32(16) + le16(format) + le16(channels) +
           le32(rate) + le32(rate * channels * bits / 8) + le16(channels * bits / 8) + le16(bits) +
           "data" + le32(data.size()) + data;
}

QByteArray samples(std::initializer_list<qint16> values) {
    QByteArray b;
    for (qint16 v : values) {
        char le[2];
        qToLittleEndian(v, le);
        b.append(le, 2);
    }
    return b;
}

// Reads `frames` samples from the mixer, as the sound server would.
std::vector<qint16> pull(BeepMixer& mixer, int frames) {
    QByteArray bytes(frames * 2, 'x');
    const qint64 got = mixer.read(bytes.data(), bytes.size());
    std::vector<qint16> out(static_cast<std::size_t>(got / 2));
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = qFromLittleEndian<qint16>(bytes.constData() + 2 * i);
    return out;
}

double dbfs(int sample) {
    return 20 * std::log10(std::abs(sample) / 32767.0);
}

}  // namespace

class StrikeSoundTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        // Whatever the machine has, this test runs without a sound server.
        qputenv("PULSE_SERVER", "unix:/nonexistent/zentar-test");
        Q_INIT_RESOURCE(assets);
    }

    void theBeepInTheResourcesIsASoftShortTone() {
        QFile file(QStringLiteral(":/sounds/beep.wav"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const Pcm beep = readWav(file.readAll());
        QCOMPARE(beep.format.sampleRate(), 44100);
        QCOMPARE(beep.format.channelCount(), 1);
        QCOMPARE(beep.format.sampleFormat(), QAudioFormat::Int16);
        QCOMPARE(beep.samples.size(), std::size_t{2205});  // 50 ms
        const auto [low, high] = std::minmax_element(beep.samples.begin(), beep.samples.end());
        const double peak = dbfs(std::max(std::abs(*low), std::abs(*high)));
        QVERIFY2(peak > -10.5 && peak < -9.5, qPrintable(QString::number(peak)));
        // It fades in and out: no click at either end.
        QVERIFY(std::abs(beep.samples.front()) < 100);
        QVERIFY(std::abs(beep.samples.back()) < 100);
    }

    void theStrikeSoundLoadsItsBeep() {
        StrikeSound sound;
        QCOMPARE(sound.pcm().samples.size(), std::size_t{2205});
    }

    void readsOnlyMono16BitPcm_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("frames");
        const QByteArray three = samples({1, -2, 3});
        QTest::newRow("mono 16-bit") << wav(1, 1, 22050, 16, three) << 3;
        QByteArray listed = wav(1, 1, 22050, 16, three);  // an odd chunk, padded, before the data
        listed.insert(36, QByteArray("LIST\x03\0\0\0abc\0", 12));
        QTest::newRow("a chunk of odd size before the data") << listed << 3;
        QTest::newRow("stereo") << wav(1, 2, 22050, 16, three + three) << 0;
        QTest::newRow("8-bit") << wav(1, 1, 22050, 8, three) << 0;
        QTest::newRow("floating point") << wav(3, 1, 22050, 16, three) << 0;
        QTest::newRow("no rate") << wav(1, 1, 0, 16, three) << 0;
        QTest::newRow("cut short") << wav(1, 1, 22050, 16, three).chopped(2) << 0;
        QTest::newRow("not RIFF") << QByteArray("RIFX") + wav(1, 1, 22050, 16, three).mid(4) << 0;
        QTest::newRow("empty") << QByteArray() << 0;
        QByteArray huge = wav(1, 1, 22050, 16, three);
        qToLittleEndian(quint32{0xFFFFFFF0}, huge.data() + 16);  // the fmt chunk's size
        QTest::newRow("a chunk larger than the file") << huge << 0;
    }
    void readsOnlyMono16BitPcm() {
        QFETCH(QByteArray, file);
        QFETCH(int, frames);
        const Pcm pcm = readWav(file);
        QCOMPARE(pcm.samples.size(), std::size_t(frames));
        if (frames > 0) {
            QCOMPARE(pcm.samples[1], qint16{-2});
            QCOMPARE(pcm.format.sampleRate(), 22050);
        }
    }

    // Beeps start at the next sample read and sound over one another; between them the
    // stream carries silence, and it never runs dry.
    void mixesBeepsIntoSilence_data() {
        QTest::addColumn<QList<int>>("startsAt");  // frames read before each beep starts
        QTest::addColumn<QList<int>>("expected");  // the first eight frames after the first
        QTest::newRow("no beep") << QList<int>{} << QList<int>{0, 0, 0, 0, 0, 0, 0, 0};
        QTest::newRow("one beep") << QList<int>{0} << QList<int>{100, 200, 300, 400, 0, 0, 0, 0};
        QTest::newRow("asked twice before it sounds")
            << QList<int>{0, 0} << QList<int>{100, 200, 300, 400, 0, 0, 0, 0};
        QTest::newRow("overlapping")
            << QList<int>{0, 2} << QList<int>{100, 200, 400, 600, 300, 400, 0, 0};
        QTest::newRow("one after the other")
            << QList<int>{0, 4} << QList<int>{100, 200, 300, 400, 100, 200, 300, 400};
    }
    void mixesBeepsIntoSilence() {
        QFETCH(QList<int>, startsAt);
        QFETCH(QList<int>, expected);
        BeepMixer mixer({100, 200, 300, 400});
        QVERIFY(mixer.quiet());
        std::vector<qint16> heard;
        int read = 0;
        for (int start : startsAt) {
            while (read < start) {
                const std::vector<qint16> one = pull(mixer, 1);
                heard.insert(heard.end(), one.begin(), one.end());
                ++read;
            }
            mixer.start();
        }
        const std::vector<qint16> rest = pull(mixer, 8 - read);
        heard.insert(heard.end(), rest.begin(), rest.end());
        QCOMPARE(QList<qint16>(heard.begin(), heard.end()),
                 QList<qint16>(expected.begin(), expected.end()));
        QVERIFY(mixer.quiet());
        QCOMPARE(pull(mixer, 1000).size(), std::size_t{1000});  // silence goes on
    }

    void fourBeepsSoundAtMost() {
        BeepMixer mixer(std::vector<qint16>(10, 1));
        std::vector<qint16> heard;
        for (int i = 0; i < 8; ++i) {
            mixer.start();
            heard.push_back(pull(mixer, 1).at(0));
        }
        QCOMPARE(heard, (std::vector<qint16>{1, 2, 3, 4, 4, 4, 4, 4}));
    }

    void loudBeepsClipInsteadOfWrappingRound() {
        BeepMixer mixer({30000, -30000, 30000, -30000});
        mixer.start();
        pull(mixer, 2);
        mixer.start();
        QCOMPARE(pull(mixer, 2), (std::vector<qint16>{32767, -32768}));
    }

    void withoutASoundDeviceTheBeepIsSilentAndInstant() {
        QElapsedTimer t;
        t.start();
        StrikeSound sound;
        for (int i = 0; i < 1000; ++i) sound.play();
        // A beep that looked for a device or waited for one would take a second or more
        // for these; the bound leaves room for a loaded machine under the sanitizers.
        QVERIFY2(t.elapsed() < 1000, qPrintable(QString::number(t.elapsed())));
        QVERIFY(!sound.audible());
        QVERIFY(!sound.streaming());
    }
};

QTEST_MAIN(StrikeSoundTest)
#include "test_strike_sound.moc"

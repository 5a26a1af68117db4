#include "sounds.h"

#include <QDir>
#include <QFile>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <vector>

namespace art {
namespace {

constexpr int kRate = 44100;
constexpr double kSeconds = 0.050;
constexpr double kPitch = 880;      // A5: clear above the battle, not shrill
constexpr double kOvertone = 0.15;  // a little of the octave warms the sine
constexpr double kAttack = 0.003;   // fade in and out, so the tone never clicks
constexpr double kRelease = 0.012;
constexpr double kDecay = 30;  // per second: the tone softens as it sounds
constexpr double kPeakDbfs = -10;

void put16(QByteArray& b, quint16 v) {
    const quint16 le = qToLittleEndian(v);
    b.append(reinterpret_cast<const char*>(&le), 2);
}

void put32(QByteArray& b, quint32 v) {
    const quint32 le = qToLittleEndian(v);
    b.append(reinterpret_cast<const char*>(&le), 4);
}

// 16-bit mono PCM in a RIFF WAVE file.
QByteArray wav(const std::vector<qint16>& samples) {
    const auto bytes = static_cast<quint32>(samples.size() * 2);
    QByteArray b;
    b.append("RIFF");
    put32(b, 36 + bytes);
    b.append("WAVEfmt ");
    put32(b, 16);
    put16(b, 1);  // PCM
    put16(b, 1);  // mono
    put32(b, kRate);
    put32(b, kRate * 2);
    put16(b, 2);
    put16(b, 16);
    b.append("data");
    put32(b, bytes);
    for (qint16 s : samples) put16(b, static_cast<quint16>(s));
    return b;
}

// Rises over the attack, decays while it sounds, and falls to silence over the release.
double envelope(double t) {
    const double rise = std::min(1.0, t / kAttack);
    const double fall = std::clamp((kSeconds - t) / kRelease, 0.0, 1.0);
    const auto smooth = [](double x) { return 0.5 - 0.5 * std::cos(std::numbers::pi * x); };
    return smooth(rise) * smooth(fall) * std::exp(-kDecay * t);
}

}  // namespace

QByteArray strikeBeep() {
    const int n = static_cast<int>(std::lround(kRate * kSeconds));
    std::vector<double> wave(n);
    for (int i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double phase = 2 * std::numbers::pi * kPitch * t;
        wave[i] = envelope(t) * (std::sin(phase) + kOvertone * std::sin(2 * phase));
    }
    double peak = 0;
    for (double v : wave) peak = std::max(peak, std::fabs(v));
    const double scale = std::pow(10.0, kPeakDbfs / 20) * 32767 / peak;
    std::vector<qint16> samples(n);
    for (int i = 0; i < n; ++i) samples[i] = static_cast<qint16>(std::lround(wave[i] * scale));
    return wav(samples);
}

bool writeSounds(const QString& out) {
    const QString path = out + QStringLiteral("/sounds/beep.wav");
    QDir().mkpath(out + QStringLiteral("/sounds"));
    const QByteArray data = strikeBeep();
    QFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(data) == data.size() && file.flush())
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

}  // namespace art

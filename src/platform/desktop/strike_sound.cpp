#include "platform/desktop/strike_sound.h"

#include <QAudioDevice>
#include <QFile>
#include <QMediaDevices>
#include <QtEndian>
#include <algorithm>
#include <cstring>
#include <limits>

#include "platform/sound.h"

namespace zentar {
namespace {

constexpr std::size_t kVoices = 4;
constexpr int kBufferMs = 100;  // near the strike; much less stalls Qt 6.4 on PulseAudio
constexpr int kQuietMs = 2000;  // after this long without a beep the stream closes

const char* const kNameVariable = "PULSE_PROP_OVERRIDE_application.name";
const char* const kIconVariable = "PULSE_PROP_OVERRIDE_application.icon_name";

// Qt names its connection to the sound server "QtPulseAudio:<pid>", new every run, and the
// volume mixer lists the stream under that name. The server's own override variables name
// it "ゼンタル" instead, so the player finds the game there and a volume set there sticks.
void nameTheStream() {
    if (!qEnvironmentVariableIsSet(kNameVariable))
        qputenv(kNameVariable, QStringLiteral("ゼンタル").toUtf8());
    if (!qEnvironmentVariableIsSet(kIconVariable)) qputenv(kIconVariable, "zentar");
}

Pcm loadBeep() {
    QFile file(QStringLiteral(":/sounds/beep.wav"));
    return file.open(QIODevice::ReadOnly) ? readWav(file.readAll()) : Pcm{};
}

}  // namespace

Pcm readWav(const QByteArray& file) {
    if (file.size() < 12 || !file.startsWith("RIFF") || file.mid(8, 4) != "WAVE") return {};
    const char* const bytes = file.constData();
    quint32 rate = 0;
    bool mono16 = false;
    qsizetype at = 12;
    while (file.size() - at >= 8) {
        const QByteArray id = file.mid(at, 4);
        const quint32 size = qFromLittleEndian<quint32>(bytes + at + 4);
        const qsizetype body = at + 8;
        if (size > static_cast<quint64>(file.size() - body)) return {};
        if (id == "fmt " && size >= 16) {
            const char* f = bytes + body;
            mono16 = qFromLittleEndian<quint16>(f) == 1 && qFromLittleEndian<quint16>(f + 2) == 1 &&
                     qFromLittleEndian<quint16>(f + 14) == 16;
            rate = qFromLittleEndian<quint32>(f + 4);
        } else if (id == "data") {
            if (!mono16 || rate < 8000 || rate > 192000) return {};
            Pcm pcm;
            pcm.format.setSampleRate(static_cast<int>(rate));
            pcm.format.setChannelCount(1);
            pcm.format.setSampleFormat(QAudioFormat::Int16);
            pcm.samples.resize(size / 2);
            for (std::size_t i = 0; i < pcm.samples.size(); ++i)
                pcm.samples[i] = qFromLittleEndian<qint16>(bytes + body + 2 * i);
            return pcm;
        }
        at = body + size + (size & 1);  // chunks keep to even sizes
    }
    return {};
}

BeepMixer::BeepMixer(std::vector<qint16> beep) : beep_(std::move(beep)) {
    open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

// A beep asked for before the last one has begun to sound is the same beep: while the
// server takes no samples (a stream starting up) the beeps do not pile up into a chord.
void BeepMixer::start() {
    const bool waiting = std::find(voices_.begin(), voices_.end(), 0u) != voices_.end();
    if (!waiting && voices_.size() < kVoices && !beep_.empty()) voices_.push_back(0);
}

qint64 BeepMixer::bytesAvailable() const {
    return std::numeric_limits<qint64>::max();
}

// Always the whole length asked for: a stream that ran dry would stop pulling.
qint64 BeepMixer::readData(char* data, qint64 maxSize) {
    const qint64 frames = maxSize / qint64{sizeof(qint16)};
    for (qint64 i = 0; i < frames; ++i) {
        int sum = 0;
        for (std::size_t& v : voices_)
            if (v < beep_.size()) sum += beep_[v++];
        const auto sample = static_cast<qint16>(std::clamp(sum, -32768, 32767));
        std::memcpy(data + i * qint64{sizeof(qint16)}, &sample, sizeof(qint16));
    }
    std::erase_if(voices_, [this](std::size_t v) { return v >= beep_.size(); });
    return frames * qint64{sizeof(qint16)};
}

StrikeSound::StrikeSound() : beep_(loadBeep()), mixer_(beep_.samples) {
    nameTheStream();
    quiet_.setSingleShot(true);
    quiet_.setInterval(kQuietMs);
    QObject::connect(&quiet_, &QTimer::timeout, [this] {
        if (mixer_.quiet())
            sink_->stop();
        else
            quiet_.start();
    });
}

StrikeSound::~StrikeSound() = default;

// The sound device is looked for at the first beep, not as the game starts: finding it
// loads the platform's whole sound system, which the game needs only in a battle.
void StrikeSound::open() {
    opened_ = true;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (beep_.samples.empty() || device.isNull() || !device.isFormatSupported(beep_.format)) return;
    sink_ = std::make_unique<QAudioSink>(device, beep_.format);
    sink_->setBufferSize(beep_.format.bytesForDuration(kBufferMs * 1000));
}

void StrikeSound::play() {
    if (!opened_) open();
    if (!sink_) return;
    mixer_.start();
    if (sink_->state() == QAudio::StoppedState) sink_->start(&mixer_);
    quiet_.start();
}

bool StrikeSound::streaming() const {
    return sink_ && sink_->state() != QAudio::StoppedState;
}

std::unique_ptr<Sound> makeGameSound() {
    return std::make_unique<StrikeSound>();
}

}  // namespace zentar

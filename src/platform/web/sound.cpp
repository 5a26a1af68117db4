// The strike beep in the browser, through the browser's own audio (Web Audio): one audio
// context for the whole run, made at the first beep (a page may sound only once the player
// has pressed a key or clicked, and a battle always follows one) and kept. After a quiet
// while it is suspended, so that an idle page does no audio work, and the next beep wakes
// it. Each beep plays the game's own sound, decoded once.
#include <emscripten.h>
#include <QByteArray>
#include <QFile>

#include "platform/sound.h"

namespace zentar {
namespace {

constexpr int kVoices = 4;      // beeps that may sound over one another; more are dropped
constexpr int kQuietMs = 2000;  // after this long without a beep the audio sleeps

// clang-format off
EM_JS(void, openAudio, (const char* wav, int size), {
    const Context = window.AudioContext || window.webkitAudioContext;
    if (!Context) return;  // a browser without audio: the game plays on silently
    const audio = {context: new Context(), voices: 0, quiet: 0, waking: null};
    audio.sound = audio.context.decodeAudioData(HEAPU8.slice(wav, wav + size).buffer)
        .catch((failure) => console.warn("ゼンタル: the beep cannot be played: " + failure));
    Module.zentarAudio = audio;
});

// Beeps asked for while the audio wakes are one beep, sounded once it is awake.
EM_JS(void, playBeep, (int voices, int quietMs), {
    const audio = Module.zentarAudio;
    if (!audio) return;
    clearTimeout(audio.quiet);
    audio.quiet = setTimeout(() => audio.context.suspend(), quietMs);
    const sound = () => audio.sound.then((buffer) => {
        if (!buffer || audio.voices >= voices) return;
        const source = audio.context.createBufferSource();
        source.buffer = buffer;
        source.connect(audio.context.destination);
        source.onended = () => {
            audio.voices -= 1;
            source.disconnect();
        };
        audio.voices += 1;
        source.start();
    });
    if (audio.context.state === "running") {
        sound();
    } else if (!audio.waking) {
        audio.waking = audio.context.resume().then(() => {
            audio.waking = null;
            sound();
        });
    }
});
// clang-format on

class PageBeep : public Sound {
  public:
    void beep() override {
        if (!opened_) open();
        playBeep(kVoices, kQuietMs);
    }

  private:
    void open() {
        opened_ = true;
        QFile file(QStringLiteral(":/sounds/beep.wav"));
        if (!file.open(QIODevice::ReadOnly)) return;
        const QByteArray wav = file.readAll();
        openAudio(wav.constData(), int(wav.size()));
    }

    bool opened_ = false;  // the audio was opened, or found missing
};

}  // namespace

std::unique_ptr<Sound> makeGameSound() {
    return std::make_unique<PageBeep>();
}

}  // namespace zentar

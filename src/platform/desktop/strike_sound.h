// The strike beep on the desktop's sound server. One stream, opened at the first beep and
// closed after a quiet while, carries silence into which each beep is mixed as the
// server pulls the samples, so beeps follow each other at the battle's pace and the
// volume mixer shows one steady entry. (A QSoundEffect opens a stream for every play and
// closes it before the server has played it out: at 18 beeps a second they were cut
// short or lost.) Without a sound device the beep is silent and costs nothing.
#pragma once

#include <QAudioFormat>
#include <QAudioSink>
#include <QByteArray>
#include <QIODevice>
#include <QTimer>
#include <memory>
#include <vector>

#include "core/sound.h"

namespace zentar {

// Samples of 16-bit mono PCM and their format.
struct Pcm {
    QAudioFormat format;
    std::vector<qint16> samples;
};

// Reads a WAV file of 16-bit mono PCM, such as the game's own sounds; no samples when
// the file is anything else.
Pcm readWav(const QByteArray& file);

// An endless stream of silence into which every beep asked for is mixed from the next
// sample read on. A few beeps can sound over one another; more are dropped.
class BeepMixer : public QIODevice {
  public:
    explicit BeepMixer(std::vector<qint16> beep);

    void start();
    bool quiet() const { return voices_.empty(); }

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;  // endless

  protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

  private:
    std::vector<qint16> beep_;
    std::vector<std::size_t> voices_;  // the next sample of each beep that sounds
};

class StrikeSound : public Sound {
  public:
    // Loads the beep from the resources and opens nothing yet, not even the sound device.
    StrikeSound();
    ~StrikeSound();
    StrikeSound(const StrikeSound&) = delete;
    StrikeSound& operator=(const StrikeSound&) = delete;

    void play();
    void beep() override { play(); }

    const Pcm& pcm() const { return beep_; }  // the beep's samples
    // Whether there is a sound device to play the beep on, once the first beep looked.
    bool audible() const { return sink_ != nullptr; }
    // Whether the stream to the sound server is open.
    bool streaming() const;

  private:
    void open();

    Pcm beep_;
    BeepMixer mixer_;
    bool opened_ = false;  // the sound device was looked for
    std::unique_ptr<QAudioSink> sink_;
    QTimer quiet_;
};

}  // namespace zentar

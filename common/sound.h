#pragma once
// Feedback sounds. Screens call PlayRightSound/PlayWrongSound; what actually
// plays them is a SoundPlayer, so tests can record instead of play.
#include <QObject>
#include <QString>
#include <memory>

class QSoundEffect;

namespace brasti {

class RandomSource;

enum class Sound { Right1, Right2, Right3, Right4, Wrong };

// The file name of a sound inside the suoni folder ("si1.wav" … "no.wav").
QString soundFileName(Sound sound);

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Starts the sound and returns at once; a new sound cuts off the one playing.
    // Never fails visibly: a missing file or device plays nothing.
    virtual void play(Sound sound) = 0;
};

// One of the four right sounds, each with equal chance.
Sound drawRightSound(RandomSource& random);

// Plays through the system's audio server, from the given folder. Nothing is
// set up before the first play(), which also looks for an output device once
// per instance (Qt itself connects to the audio server once per process).
class SystemSoundPlayer final : public QObject, public SoundPlayer {
    Q_OBJECT
public:
    explicit SystemSoundPlayer(QString folder, QObject* parent = nullptr);
    ~SystemSoundPlayer() override;
    void play(Sound sound) override;
    QString folder() const { return folder_; }

    // What the last play() started: its file, empty when nothing was started
    // (no audio device, no such file, not a whole PCM WAV file). isPlaying()
    // is true only while that file is really being played.
    QString currentSource() const;
    bool isPlaying() const;

private:
    QString folder_;
    int hasDevice_ = -1; // unknown until the first play, to keep start-up quick
    std::unique_ptr<QSoundEffect> current_;
};

// The suoni folder: beside the executable (the build folder), else in the
// data folder installed with it (bin/../share/brasti/suoni).
QString findSoundFolder();

} // namespace brasti

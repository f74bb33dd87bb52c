#pragma once

#include <QString>

namespace corvane {

// Plays the alarm's wave file. The program uses the audio device; tests install a fake that records.
class AlarmSound {
public:
    virtual ~AlarmSound() = default;
    // Starts playing the file asynchronously: once, or in an endless loop until stop().
    virtual void play(const QString &fileName, bool loop) = 0;
    virtual void stop() = 0;
};

// The installed sound; the program installs its audio implementation at start.
AlarmSound &alarmSound();
// Installs another sound (tests, program start); nullptr returns to silence. The caller keeps ownership.
void setAlarmSound(AlarmSound *sound);

// The wave file shipped beside the executable, the default alarm.
QString defaultAlarmFile();
// Plays `fileName` through the installed sound; a blank name or one naming no existing file stays silent.
void playAlarmFile(const QString &fileName, bool loop);

} // namespace corvane

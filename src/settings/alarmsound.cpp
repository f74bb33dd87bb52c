#include "settings/alarmsound.h"

#include "store/programfolder.h"

#include <QFileInfo>

namespace corvane {

namespace {

class Silence : public AlarmSound {
public:
    void play(const QString &, bool) override {}
    void stop() override {}
};

AlarmSound *installed = nullptr;

} // namespace

AlarmSound &alarmSound() {
    static Silence silence;
    return installed ? *installed : silence;
}

void setAlarmSound(AlarmSound *sound) {
    installed = sound;
}

QString defaultAlarmFile() {
    // A shipped file: the data folder may be elsewhere, this one is not.
    return sharedFile(QStringLiteral("alarm.wav"));
}

void playAlarmFile(const QString &fileName, bool loop) {
    if (fileName.trimmed().isEmpty() || !QFileInfo(fileName).isFile())
        return;
    alarmSound().play(fileName, loop);
}

} // namespace corvane

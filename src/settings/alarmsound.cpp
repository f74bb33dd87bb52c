#include "settings/alarmsound.h"

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

} // namespace corvane

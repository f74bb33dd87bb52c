#pragma once

#include "settings/alarmsound.h"

#include <QSoundEffect>

namespace corvane {

// The alarm sound on the audio device. Without a device the effect loads and plays nothing.
class QtAlarmSound : public AlarmSound {
public:
    void play(const QString &fileName, bool loop) override;
    void stop() override;
    bool isPlaying() const { return m_effect.isPlaying(); }
    int loopCount() const { return m_effect.loopCount(); }

private:
    QSoundEffect m_effect;
};

} // namespace corvane

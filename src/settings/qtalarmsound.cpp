#include "settings/qtalarmsound.h"

#include <QUrl>

namespace corvane {

void QtAlarmSound::play(const QString &fileName, bool loop) {
    m_effect.stop();
    m_effect.setSource(QUrl::fromLocalFile(fileName));
    m_effect.setLoopCount(loop ? QSoundEffect::Infinite : 1);
    // Plays as soon as the file is loaded.
    m_effect.play();
}

void QtAlarmSound::stop() {
    m_effect.stop();
}

} // namespace corvane

#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;

namespace corvane {

// Keeps the program to one running copy per data folder, so two copies never overwrite each other's
// files. The first copy holds a lock file in the folder and listens on a local socket; a later copy
// finds the lock taken, asks the first to show its window, and ends.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString &dataFolder, QObject *parent = nullptr);
    ~SingleInstance() override;

    // True when this is the only copy (it then listens for later ones). False when another copy runs;
    // that copy has been asked to show itself.
    bool claim();

signals:
    // A later copy was started.
    void showRequested();

private:
    void listen();
    void askRunningCopy();
    void readRequest();

    QString m_serverName;
    QLockFile m_lock;
    std::unique_ptr<QLocalServer> m_server;
};

} // namespace corvane

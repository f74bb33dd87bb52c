#include "app/singleinstance.h"

#include "store/programfolder.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

namespace corvane {

namespace {

const QByteArray showRequest = QByteArrayLiteral("show\n");

// One socket name per data folder: copies working on other folders do not meet.
QString serverNameFor(const QString &folder) {
    const QByteArray path = QDir(folder).absolutePath().toUtf8();
    return QStringLiteral("corvane-") +
           QString::fromLatin1(QCryptographicHash::hash(path, QCryptographicHash::Sha1).toHex().left(16));
}

} // namespace

SingleInstance::SingleInstance(const QString &dataFolder, QObject *parent)
    : QObject(parent), m_serverName(serverNameFor(dataFolder)),
      m_lock(joinPath(dataFolder, QStringLiteral("corvane.lock"))) {
    // A lock left by a copy that died is recognised by its process id, never by its age: a copy may run
    // for weeks.
    m_lock.setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::claim() {
    if (m_lock.tryLock(0)) {
        listen();
        return true;
    }
    if (m_lock.error() != QLockFile::LockFailedError)
        return true; // the folder cannot hold a lock: run rather than refuse to start
    askRunningCopy();
    return false;
}

void SingleInstance::listen() {
    m_server = std::make_unique<QLocalServer>();
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // We hold the lock, so a socket file still there was left by a copy that died.
    if (!m_server->listen(m_serverName)) {
        QLocalServer::removeServer(m_serverName);
        m_server->listen(m_serverName);
    }
    connect(m_server.get(), &QLocalServer::newConnection, this, &SingleInstance::readRequest);
}

void SingleInstance::readRequest() {
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        const auto read = [this, socket] {
            if (socket->readAll().contains('\n'))
                emit showRequested();
        };
        connect(socket, &QLocalSocket::readyRead, this, read);
        if (socket->bytesAvailable() > 0)
            read();
    }
}

void SingleInstance::askRunningCopy() {
    // The first copy may have taken the lock a moment ago and not be listening yet.
    for (int attempt = 0; attempt < 10; ++attempt) {
        QLocalSocket socket;
        socket.connectToServer(m_serverName);
        if (socket.waitForConnected(500)) {
            socket.write(showRequest);
            socket.waitForBytesWritten(1000);
            socket.disconnectFromServer();
            return;
        }
        QThread::msleep(200);
    }
}

} // namespace corvane

#include "app/singleinstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>

SingleInstance::SingleInstance(const QString& name, QObject* parent) : QObject(parent), m_name(name) {
    if (m_name.isEmpty()) {
        const QByteArray user = QCryptographicHash::hash(QDir::homePath().toUtf8(), QCryptographicHash::Sha1).toHex();
        m_name = QStringLiteral("calvora-") + QString::fromLatin1(user.left(16));
    }
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::becomePrimary() {
    {
        QLocalSocket socket;
        socket.connectToServer(m_name);
        if (socket.waitForConnected(500)) {
            socket.write("show\n");
            socket.waitForBytesWritten(1000);
            socket.disconnectFromServer();
            return false;
        }
    }
    // Nobody answers: a socket left by a copy that crashed is stale.
    QLocalServer::removeServer(m_name);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_name)) return true;  // still the only copy we know of
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* s = m_server->nextPendingConnection()) {
            connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
            Q_EMIT activationRequested();
        }
    });
    return true;
}

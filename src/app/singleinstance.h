#pragma once
// One running copy per user: a second start asks the first to come to the front and ends.

#include <QObject>
#include <QString>

class QLocalServer;

class SingleInstance : public QObject {
    Q_OBJECT
public:
    // The default name is per user, so two users of one machine do not meet.
    explicit SingleInstance(const QString& name = QString(), QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when this copy is the first; otherwise the first copy has been asked to
    // come to the front and this copy should end.
    bool becomePrimary();
    QString name() const { return m_name; }

Q_SIGNALS:
    void activationRequested();

private:
    QString m_name;
    QLocalServer* m_server = nullptr;
};

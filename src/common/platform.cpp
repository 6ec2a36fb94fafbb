#include "common/platform.h"

#include <QCoreApplication>

namespace {

// Silent defaults, so core code run without an installed service never blocks.
class NullDialogs : public Dialogs {
public:
    void message(BoxKind, const QString&, const QString&) override {}
    bool question(const QString&, const QString&) override { return false; }
    bool input(const QString&, const QString&, QString&) override { return false; }
    QString openFile(const QString&, const QString&, const QString&) override { return {}; }
    QString saveFile(const QString&, const QString&, const QString&) override { return {}; }
    QString folder(const QString&, const QString&) override { return {}; }
    bool font(QFont&) override { return false; }
    bool color(QColor&) override { return false; }
    bool print(QPrinter&) override { return false; }
};

class SystemClock : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

class NullShell : public Shell {
public:
    bool open(const QString&) override { return false; }
    bool start(const QString&, const QStringList&) override { return false; }
};

class NullSound : public Sound {
public:
    void beep(BeepKind) override {}
    void play(const QString&, bool) override {}
    void stop() override {}
};

struct Services {
    std::shared_ptr<Dialogs> dialogs = std::make_shared<NullDialogs>();
    std::shared_ptr<Clock> clock = std::make_shared<SystemClock>();
    std::shared_ptr<Shell> shell = std::make_shared<NullShell>();
    std::shared_ptr<Sound> sound = std::make_shared<NullSound>();
    QString appFolder;
    QString settingsFile;
};

Services& services() {
    static Services s;
    return s;
}

}  // namespace

namespace Platform {

Dialogs& dialogs() { return *services().dialogs; }
Clock& clock() { return *services().clock; }
Shell& shell() { return *services().shell; }
Sound& sound() { return *services().sound; }

QString appFolder() {
    const QString& folder = services().appFolder;
    if (!folder.isEmpty()) return folder;
    return QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
}

void setDialogs(std::shared_ptr<Dialogs> d) { services().dialogs = d ? d : std::make_shared<NullDialogs>(); }
void setClock(std::shared_ptr<Clock> c) { services().clock = c ? c : std::make_shared<SystemClock>(); }
void setShell(std::shared_ptr<Shell> s) { services().shell = s ? s : std::make_shared<NullShell>(); }
void setSound(std::shared_ptr<Sound> s) { services().sound = s ? s : std::make_shared<NullSound>(); }
void setAppFolder(const QString& folder) { services().appFolder = folder; }

QString settingsFile() { return services().settingsFile; }
void setSettingsFile(const QString& path) { services().settingsFile = path; }

}  // namespace Platform

#pragma once
// Doubles for the platform services and a fixture that gives each test a temporary
// application folder, a temporary settings file, a fixed locale and a fixed clock.

#include <QColor>
#include <QDateTime>
#include <QFont>
#include <QList>
#include <QQueue>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

#include "common/platform.h"

struct BoxRecord {
    BoxKind kind;
    QString caption;
    QString text;
};

// Records every box; questions, prompts and file choices take scripted answers in order.
// An unscripted question answers No, an unscripted prompt or file choice is cancelled.
// Font, colour and print dialogs take their confirmation from the answers too; a font or
// colour confirmed takes the next of fonts or colors when one is queued, and a confirmed
// print goes to a PDF file, the next of files or else printed.pdf in the temporary folder.
class ScriptedDialogs : public Dialogs {
public:
    QList<BoxRecord> boxes;
    QQueue<bool> answers;
    QQueue<QString> inputs;  // a null QString cancels the prompt
    QQueue<QString> files;
    QQueue<QFont> fonts;
    QQueue<QColor> colors;
    QString defaultPdf;

    void message(BoxKind kind, const QString& caption, const QString& text) override;
    bool question(const QString& caption, const QString& text) override;
    bool input(const QString& caption, const QString& prompt, QString& value) override;
    QString openFile(const QString& caption, const QString& folder, const QString& filter) override;
    QString saveFile(const QString& caption, const QString& folder, const QString& filter) override;
    QString folder(const QString& caption, const QString& start) override;
    bool font(QFont& font) override;
    bool color(QColor& color) override;
    bool print(QPrinter& printer) override;

    QStringList texts() const;
};

class FixedClock : public Clock {
public:
    QDateTime current{QDate(2005, 3, 16), QTime(9, 30)};
    QDateTime now() const override { return current; }
};

class RecordingShell : public Shell {
public:
    QStringList opened;
    QStringList started;
    bool open(const QString& target) override;
    bool start(const QString& program, const QStringList& arguments) override;
};

class RecordingSound : public Sound {
public:
    QList<BeepKind> beeps;
    QStringList played;
    int stops = 0;
    void beep(BeepKind kind) override { beeps.append(kind); }
    void play(const QString& path, bool loop) override;
    void stop() override { ++stops; }
};

// Installs the doubles for its lifetime. The application folder and the settings file
// are in a fresh temporary folder.
class TestPlatform {
public:
    TestPlatform();
    ~TestPlatform();

    std::shared_ptr<ScriptedDialogs> dialogs;
    std::shared_ptr<FixedClock> clock;
    std::shared_ptr<RecordingShell> shell;
    std::shared_ptr<RecordingSound> sound;

    QString folder() const { return m_dir.path(); }
    QString path(const QString& name) const;
    void writeFile(const QString& name, const QByteArray& bytes) const;
    QByteArray readFile(const QString& name) const;

private:
    QTemporaryDir m_dir;
};

// Fixes locale (en_US unless given), time zone and test mode; call from initTestCase.
void InitTestEnvironment(const char* locale = "en_US");

// Switches the process locale (and the format settings) for one test; en_US comes back after.
struct LocaleScope {
    explicit LocaleScope(const char* name);
    ~LocaleScope();
};

#pragma once
// Stand-ins for the services the program expects from the desktop: message boxes and
// file dialogs, the clock, the shell, sounds and the application folder. Production
// implementations live in the UI library; tests install doubles that record and
// answer without ever blocking.

#include <QDateTime>
#include <QString>
#include <memory>

class QColor;
class QFont;
class QPrinter;

enum class BoxKind { Error, Warning, Info, Question, Input, OpenFile, SaveFile, Folder, Font, Color, Print };

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A modal box with one OK button.
    virtual void message(BoxKind kind, const QString& caption, const QString& text) = 0;
    // A Yes/No question; true for Yes.
    virtual bool question(const QString& caption, const QString& text) = 0;
    // A prompt for one line of text; false when cancelled.
    virtual bool input(const QString& caption, const QString& prompt, QString& value) = 0;
    // File and folder choices; an empty text when cancelled.
    virtual QString openFile(const QString& caption, const QString& folder, const QString& filter) = 0;
    virtual QString saveFile(const QString& caption, const QString& folder, const QString& filter) = 0;
    virtual QString folder(const QString& caption, const QString& start) = 0;
    // Font, colour and printer choices change their argument and answer true when confirmed.
    virtual bool font(QFont& font) = 0;
    virtual bool color(QColor& color) = 0;
    virtual bool print(QPrinter& printer) = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

class Shell {
public:
    virtual ~Shell() = default;
    // Opens a file or web address with the desktop's handler.
    virtual bool open(const QString& target) = 0;
    // Starts a companion program; "X.exe" is looked for as "X" where programs have no extension.
    virtual bool start(const QString& program, const QStringList& arguments) = 0;
};

enum class BeepKind { Exclamation, Hand, Default };

class Sound {
public:
    virtual ~Sound() = default;
    virtual void beep(BeepKind kind) = 0;
    virtual void play(const QString& wavPath, bool loop) = 0;
    virtual void stop() = 0;
};

// The process-wide set of services. The program installs the production set at start;
// tests install doubles. Services not installed fall back to silent defaults.
namespace Platform {
Dialogs& dialogs();
Clock& clock();
Shell& shell();
Sound& sound();
// The folder of the running executable (the data files live there).
QString appFolder();

void setDialogs(std::shared_ptr<Dialogs> d);
void setClock(std::shared_ptr<Clock> c);
void setShell(std::shared_ptr<Shell> s);
void setSound(std::shared_ptr<Sound> s);
void setAppFolder(const QString& folder);

// Settings store file: empty means the program's own (organisation "Brellwick Corporation",
// application "Calvora"); tests point it at a temporary INI file.
QString settingsFile();
void setSettingsFile(const QString& path);
}  // namespace Platform

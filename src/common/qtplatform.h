#pragma once
// The production platform services on Qt: message boxes and file dialogs, the desktop
// shell, and sounds.

#include <memory>

#include "common/platform.h"

class QSoundEffect;

class QtDialogs : public Dialogs {
public:
    void message(BoxKind kind, const QString& caption, const QString& text) override;
    bool question(const QString& caption, const QString& text) override;
    bool input(const QString& caption, const QString& prompt, QString& value) override;
    QString openFile(const QString& caption, const QString& folder, const QString& filter) override;
    QString saveFile(const QString& caption, const QString& folder, const QString& filter) override;
    QString folder(const QString& caption, const QString& start) override;
    bool font(QFont& font) override;
    bool color(QColor& color) override;
    bool print(QPrinter& printer) override;
};

class QtShell : public Shell {
public:
    bool open(const QString& target) override;
    bool start(const QString& program, const QStringList& arguments) override;
};

class QtSound : public Sound {
public:
    QtSound();
    ~QtSound() override;
    void beep(BeepKind kind) override;
    void play(const QString& wavPath, bool loop) override;
    void stop() override;

private:
    std::unique_ptr<QSoundEffect> m_effect;
};

// Installs the production services.
void InstallQtPlatform();

#include "support/testsupport.h"

#include <QFile>
#include <QLocale>
#include <QPrinter>
#include <QStandardPaths>

#include "common/formatsettings.h"

void ScriptedDialogs::message(BoxKind kind, const QString& caption, const QString& text) {
    boxes.append({kind, caption, text});
}

bool ScriptedDialogs::question(const QString& caption, const QString& text) {
    boxes.append({BoxKind::Question, caption, text});
    return answers.isEmpty() ? false : answers.dequeue();
}

bool ScriptedDialogs::input(const QString& caption, const QString& prompt, QString& value) {
    boxes.append({BoxKind::Input, caption, prompt});
    if (inputs.isEmpty())
        return false;
    const QString answer = inputs.dequeue();
    if (answer.isNull())
        return false;
    value = answer;
    return true;
}

QString ScriptedDialogs::openFile(const QString& caption, const QString&, const QString&) {
    boxes.append({BoxKind::OpenFile, caption, QString()});
    return files.isEmpty() ? QString() : files.dequeue();
}

QString ScriptedDialogs::saveFile(const QString& caption, const QString&, const QString&) {
    boxes.append({BoxKind::SaveFile, caption, QString()});
    return files.isEmpty() ? QString() : files.dequeue();
}

QString ScriptedDialogs::folder(const QString& caption, const QString&) {
    boxes.append({BoxKind::Folder, caption, QString()});
    return files.isEmpty() ? QString() : files.dequeue();
}

bool ScriptedDialogs::font(QFont& font) {
    boxes.append({BoxKind::Font, QString(), font.family()});
    const bool ok = answers.isEmpty() ? false : answers.dequeue();
    if (ok && !fonts.isEmpty())
        font = fonts.dequeue();
    return ok;
}

bool ScriptedDialogs::color(QColor& color) {
    boxes.append({BoxKind::Color, QString(), color.name()});
    const bool ok = answers.isEmpty() ? false : answers.dequeue();
    if (ok && !colors.isEmpty())
        color = colors.dequeue();
    return ok;
}

bool ScriptedDialogs::print(QPrinter& printer) {
    boxes.append({BoxKind::Print, QString(), QString()});
    const bool ok = answers.isEmpty() ? false : answers.dequeue();
    if (ok) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(files.isEmpty() ? defaultPdf : files.dequeue());
    }
    return ok;
}

QStringList ScriptedDialogs::texts() const {
    QStringList out;
    for (const BoxRecord& b : boxes)
        out << b.text;
    return out;
}

bool RecordingShell::open(const QString& target) {
    opened << target;
    return true;
}

bool RecordingShell::start(const QString& program, const QStringList& arguments) {
    started << (QStringList{program} + arguments).join(QLatin1Char(' '));
    return true;
}

void RecordingSound::play(const QString& path, bool loop) {
    played << (loop ? QStringLiteral("loop:") : QString()) + path;
}

TestPlatform::TestPlatform()
    : dialogs(std::make_shared<ScriptedDialogs>()),
      clock(std::make_shared<FixedClock>()),
      shell(std::make_shared<RecordingShell>()),
      sound(std::make_shared<RecordingSound>()) {
    dialogs->defaultPdf = m_dir.filePath(QStringLiteral("printed.pdf"));
    Platform::setDialogs(dialogs);
    Platform::setClock(clock);
    Platform::setShell(shell);
    Platform::setSound(sound);
    Platform::setAppFolder(m_dir.path());
    Platform::setSettingsFile(m_dir.filePath(QStringLiteral("settings.ini")));
}

TestPlatform::~TestPlatform() {
    Platform::setDialogs(nullptr);
    Platform::setClock(nullptr);
    Platform::setShell(nullptr);
    Platform::setSound(nullptr);
    Platform::setAppFolder(QString());
    Platform::setSettingsFile(QString());
}

QString TestPlatform::path(const QString& name) const {
    return m_dir.filePath(name);
}

void TestPlatform::writeFile(const QString& name, const QByteArray& bytes) const {
    QFile f(path(name));
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

QByteArray TestPlatform::readFile(const QString& name) const {
    QFile f(path(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void InitTestEnvironment(const char* locale) {
    qputenv("TZ", "UTC");
    QStandardPaths::setTestModeEnabled(true);
    QLocale::setDefault(QLocale(QString::fromLatin1(locale)));
    ResetFormatSettings();
}

LocaleScope::LocaleScope(const char* name) {
    QLocale::setDefault(QLocale(QString::fromLatin1(name)));
    ResetFormatSettings();
}

LocaleScope::~LocaleScope() {
    QLocale::setDefault(QLocale(QStringLiteral("en_US")));
    ResetFormatSettings();
}

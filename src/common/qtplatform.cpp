#include "common/qtplatform.h"

#include <QApplication>
#include <QColorDialog>
#include <QFontDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QProcess>
#include <QSoundEffect>
#include <QUrl>

#include "common/basic.h"

namespace {
QWidget* owner() { return QApplication::activeWindow(); }
}  // namespace

void QtDialogs::message(BoxKind kind, const QString& caption, const QString& text) {
    QMessageBox::Icon icon = QMessageBox::Information;
    if (kind == BoxKind::Error) icon = QMessageBox::Critical;
    if (kind == BoxKind::Warning) icon = QMessageBox::Warning;
    QMessageBox box(icon, caption, text, QMessageBox::Ok, owner());
    box.exec();
}

bool QtDialogs::question(const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No, owner());
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

bool QtDialogs::input(const QString& caption, const QString& prompt, QString& value) {
    bool ok = false;
    const QString answer = QInputDialog::getText(owner(), caption, prompt, QLineEdit::Normal, value, &ok);
    if (ok) value = answer;
    return ok;
}

QString QtDialogs::openFile(const QString& caption, const QString& folder, const QString& filter) {
    return QFileDialog::getOpenFileName(owner(), caption, folder, filter);
}

QString QtDialogs::saveFile(const QString& caption, const QString& folder, const QString& filter) {
    return QFileDialog::getSaveFileName(owner(), caption, folder, filter);
}

QString QtDialogs::folder(const QString& caption, const QString& start) {
    return QFileDialog::getExistingDirectory(owner(), caption, start);
}

bool QtDialogs::font(QFont& font) {
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, font, owner());
    if (ok) font = chosen;
    return ok;
}

bool QtDialogs::color(QColor& color) {
    const QColor chosen = QColorDialog::getColor(color, owner());
    if (chosen.isValid()) color = chosen;
    return chosen.isValid();
}

bool QtDialogs::print(QPrinter& printer) {
    QPrintDialog dialog(&printer, owner());
    return dialog.exec() == QDialog::Accepted;
}

bool QtShell::open(const QString& target) {
    const QUrl url = QFileInfo::exists(target) ? QUrl::fromLocalFile(target) : QUrl::fromUserInput(target);
    return QDesktopServices::openUrl(url);
}

bool QtShell::start(const QString& program, const QStringList& arguments) {
    QString path = program;
#ifndef Q_OS_WIN
    if (path.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive)) path.chop(4);
#endif
    if (QFileInfo(path).isRelative()) path = JoinPath(Platform::appFolder(), path);
    return QProcess::startDetached(path, arguments, Platform::appFolder());
}

QtSound::QtSound() = default;
QtSound::~QtSound() = default;

void QtSound::beep(BeepKind) { QApplication::beep(); }

void QtSound::play(const QString& wavPath, bool loop) {
    if (!m_effect) m_effect = std::make_unique<QSoundEffect>();
    m_effect->stop();
    m_effect->setSource(QUrl::fromLocalFile(wavPath));
    m_effect->setLoopCount(loop ? QSoundEffect::Infinite : 1);
    m_effect->play();
}

void QtSound::stop() {
    if (m_effect) m_effect->stop();
}

void InstallQtPlatform() {
    Platform::setDialogs(std::make_shared<QtDialogs>());
    Platform::setShell(std::make_shared<QtShell>());
    Platform::setSound(std::make_shared<QtSound>());
}

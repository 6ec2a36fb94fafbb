#include "app/application.h"

#include <exception>

#include "common/calvoraerror.h"
#include "common/platform.h"

CalvoraApplication::CalvoraApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Calvora"));
    setOrganizationName(QStringLiteral("Brellwick Corporation"));
}

bool CalvoraApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const CalvoraError& e) {
        ShowStandardError(e.message());
    } catch (const std::exception& e) {
        ShowStandardError(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        ShowStandardError(QStringLiteral("An unexpected error occurred."));
    }
    return false;
}

void ShowStandardError(const QString& text) {
    Platform::dialogs().message(BoxKind::Error, QStringLiteral("Calvora"), text);
}

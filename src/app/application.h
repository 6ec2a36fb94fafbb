#pragma once
// The application object: an error that a command does not catch reaches one standard
// error box, and the program goes on.

#include <QApplication>

class CalvoraApplication : public QApplication {
    Q_OBJECT
public:
    CalvoraApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// The standard error box for an error no command caught.
void ShowStandardError(const QString& text);

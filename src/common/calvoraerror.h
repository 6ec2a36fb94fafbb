#pragma once
// The program's error: carries the message shown in the standard error box.

#include <QString>
#include <stdexcept>

class CalvoraError : public std::runtime_error {
public:
    explicit CalvoraError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

#pragma once
// A way to act on a dialog that a command shows modally.

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <functional>
#include <memory>

// Runs f on the modal dialog of type T once the command that shows it is waiting in it.
// f receives nullptr when no such dialog appeared within three seconds.
template <class T>
void WhenModal(std::function<void(T*)> f) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    auto elapsed = std::make_shared<QElapsedTimer>();
    elapsed->start();
    QObject::connect(timer, &QTimer::timeout, [timer, f, elapsed] {
        T* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!dialog && elapsed->elapsed() < 3000)
            return;
        timer->stop();
        timer->deleteLater();
        f(dialog);
    });
    timer->start();
}

#include "settings/formstate.h"

#include <QMetaProperty>
#include <QWidget>

#include "settings/layoutmemory.h"

namespace {

enum class Geometry { None, Top, Left, Width, Height, ClientWidth, ClientHeight };

Geometry geometryOf(const QString& property) {
    static const struct {
        const char* name;
        Geometry g;
    } names[] = {{"Top", Geometry::Top},
                 {"Left", Geometry::Left},
                 {"Width", Geometry::Width},
                 {"Height", Geometry::Height},
                 {"ClientWidth", Geometry::ClientWidth},
                 {"ClientHeight", Geometry::ClientHeight}};
    for (const auto& n : names)
        if (property == QLatin1String(n.name))
            return n.g;
    return Geometry::None;
}

QObject* componentOf(QWidget* window, const QString& name) {
    if (name == window->objectName())
        return window;
    return window->findChild<QObject*>(name);
}

// Width and Height include a window's frame; the client sizes and a control's sizes do not.
int geometryValue(const QWidget* w, Geometry g) {
    const bool framed = w->isWindow();
    switch (g) {
        case Geometry::Top:
            return framed ? w->pos().y() : w->y();
        case Geometry::Left:
            return framed ? w->pos().x() : w->x();
        case Geometry::Width:
            return framed ? w->frameGeometry().width() : w->width();
        case Geometry::Height:
            return framed ? w->frameGeometry().height() : w->height();
        case Geometry::ClientWidth:
            return w->width();
        case Geometry::ClientHeight:
            return w->height();
        case Geometry::None:
            break;
    }
    return 0;
}

void setGeometryValue(QWidget* w, Geometry g, int value) {
    const int frameW = w->isWindow() ? w->frameGeometry().width() - w->width() : 0;
    const int frameH = w->isWindow() ? w->frameGeometry().height() - w->height() : 0;
    switch (g) {
        case Geometry::Top:
            w->move(w->pos().x(), value);
            break;
        case Geometry::Left:
            w->move(value, w->pos().y());
            break;
        case Geometry::Width:
            w->resize(value - frameW, w->height());
            break;
        case Geometry::Height:
            w->resize(w->width(), value - frameH);
            break;
        case Geometry::ClientWidth:
            w->resize(value, w->height());
            break;
        case Geometry::ClientHeight:
            w->resize(w->width(), value);
            break;
        case Geometry::None:
            break;
    }
}

bool readDecimal(const QString& text, int& value) {
    bool ok = false;
    value = text.trimmed().toInt(&ok, 10);
    return ok;
}

}  // namespace

void RestoreFormState(QWidget* window, const QStringList& entries) {
    for (const QString& text : entries) {
        const std::optional<FormStateEntry> e = FormStateEntry::parse(text);
        if (!e)
            continue;
        QObject* component = componentOf(window, e->component);
        if (!component)
            continue;
        const Geometry g = geometryOf(e->property);
        auto* widget = qobject_cast<QWidget*>(component);
        const int index = component->metaObject()->indexOfProperty(e->property.toLatin1().constData());
        if (!(g != Geometry::None && widget) && index < 0)
            continue;
        const std::optional<QString> value = ReadFormStateValue(*e);
        if (!value)
            continue;
        if (g != Geometry::None && widget) {
            int number = 0;
            if (readDecimal(*value, number))
                setGeometryValue(widget, g, number);
            continue;
        }
        const QMetaProperty property = component->metaObject()->property(index);
        if (property.typeId() == QMetaType::Int) {
            int number = 0;
            if (readDecimal(*value, number))
                property.write(component, number);
        } else {
            property.write(component, *value);
        }
    }
}

void SaveFormState(const QWidget* window, const QStringList& entries) {
    for (const QString& text : entries) {
        const std::optional<FormStateEntry> e = FormStateEntry::parse(text);
        if (!e)
            continue;
        const QObject* component = componentOf(const_cast<QWidget*>(window), e->component);
        if (!component)
            continue;
        const Geometry g = geometryOf(e->property);
        const auto* widget = qobject_cast<const QWidget*>(component);
        if (g != Geometry::None && widget) {
            WriteFormStateValue(*e, QString::number(geometryValue(widget, g)));
            continue;
        }
        const QVariant value = component->property(e->property.toLatin1().constData());
        if (value.isValid())
            WriteFormStateValue(*e, value.toString());
    }
}

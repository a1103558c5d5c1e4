#include "ui/widgets/language_binding.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QWidget>

namespace lumora {

namespace {

QObject* FindComponent(const QWidget& window, const QString& component)
{
    const QList<QObject*> all = window.findChildren<QObject*>();
    for (QObject* object : all) {
        if (object->objectName().compare(component, Qt::CaseInsensitive) == 0)
            return object;
    }
    return nullptr;
}

bool IsWindowItself(const QWidget& window, const QString& component)
{
    return component.isEmpty() || window.objectName().compare(component, Qt::CaseInsensitive) == 0;
}

void SetCaption(QObject* object, const QString& value)
{
    if (auto* label = qobject_cast<QLabel*>(object))
        label->setText(value);
    else if (auto* button = qobject_cast<QAbstractButton*>(object))
        button->setText(value);
    else if (auto* menu = qobject_cast<QMenu*>(object))
        menu->setTitle(value);
    else if (auto* action = qobject_cast<QAction*>(object))
        action->setText(value);
    else if (auto* group = qobject_cast<QGroupBox*>(object))
        group->setTitle(value);
    else if (auto* widget = qobject_cast<QWidget*>(object); widget && widget->isWindow())
        widget->setWindowTitle(value);
}

void SetHint(QObject* object, const QString& value)
{
    if (auto* action = qobject_cast<QAction*>(object)) {
        action->setToolTip(value);
        action->setStatusTip(value);
    } else if (auto* widget = qobject_cast<QWidget*>(object)) {
        widget->setToolTip(value);
    }
}

void SetText(QObject* object, const QString& value)
{
    if (auto* edit = qobject_cast<QLineEdit*>(object))
        edit->setText(value);
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(object))
        plain->setPlainText(value);
    else if (auto* rich = qobject_cast<QTextEdit*>(object))
        rich->setPlainText(value);
    else
        SetCaption(object, value);
}

void SetSingleLine(QObject* object, const QString& value)
{
    if (auto* combo = qobject_cast<QComboBox*>(object)) {
        const int index = combo->currentIndex();
        combo->clear();
        combo->addItem(value);
        combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : 0);
    } else if (auto* list = qobject_cast<QListWidget*>(object)) {
        const int row = list->currentRow();
        list->clear();
        list->addItem(value);
        list->setCurrentRow(row >= 0 && row < list->count() ? row : 0);
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(object)) {
        plain->setPlainText(value);
    } else if (auto* rich = qobject_cast<QTextEdit*>(object)) {
        rich->setPlainText(value);
    }
}

} // namespace

bool HasLanguageComponent(const QWidget& window, const QString& component)
{
    return !component.isEmpty() && FindComponent(window, component) != nullptr;
}

void ApplyLanguageEntry(QWidget& window, const QString& component, const QString& property,
                        const QString& value)
{
    QObject* target =
        IsWindowItself(window, component) ? &window : FindComponent(window, component);
    if (!target)
        return;
    if (property.compare(QLatin1String("Caption"), Qt::CaseInsensitive) == 0) {
        if (target == &window)
            window.setWindowTitle(value);
        else
            SetCaption(target, value);
    } else if (property.compare(QLatin1String("Hint"), Qt::CaseInsensitive) == 0) {
        SetHint(target, value);
    } else if (property.compare(QLatin1String("Text"), Qt::CaseInsensitive) == 0) {
        SetText(target, value);
    } else if (property.compare(QLatin1String("Items"), Qt::CaseInsensitive) == 0 ||
               property.compare(QLatin1String("Lines"), Qt::CaseInsensitive) == 0) {
        SetSingleLine(target, value);
    }
}

} // namespace lumora

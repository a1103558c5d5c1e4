#pragma once
// Driving the dialogs as a user does: answering a modal dialog once its
// event loop runs, typing into fields, picking list entries by keyboard.

#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace lumora::test {

// The named child of the dialog, failing the test when it is missing.
template <typename W> W* Child(const QWidget& dialog, const char* name)
{
    W* widget = dialog.findChild<W*>(QString::fromUtf8(name));
    EXPECT_NE(widget, nullptr) << "no " << name;
    return widget;
}

// Runs answer on the modal dialog as soon as it is shown. An answer that
// leaves the dialog open fails the test and closes it, so no test can hang
// on a modal loop.
inline void AnswerModal(std::function<void(QDialog&)> answer)
{
    QTimer::singleShot(0, qApp, [answer = std::move(answer)] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            ADD_FAILURE() << "no modal dialog is shown";
            return;
        }
        dialog->activateWindow();
        QApplication::setActiveWindow(dialog);
        answer(*dialog);
        if (dialog->isVisible()) {
            ADD_FAILURE() << "the answer left the dialog open";
            dialog->done(QDialog::Rejected);
        }
    });
}

// Check boxes and radio buttons react only on their mark and caption, which
// may be narrower than the widget: they are clicked on the mark.
inline void Click(const QWidget& dialog, const char* buttonName)
{
    auto* button = Child<QAbstractButton>(dialog, buttonName);
    if (button == nullptr)
        return;
    const bool marked = qobject_cast<QCheckBox*>(button) || qobject_cast<QRadioButton*>(button);
    const QPoint at = marked ? QPoint(std::min(8, button->width() / 2), button->height() / 2)
                             : button->rect().center();
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, at);
}

// Selects the field's whole text and types text over it.
inline void TypeInto(QAbstractSpinBox& field, const QString& text)
{
    field.setFocus(Qt::MouseFocusReason);
    QTest::keyClick(&field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(&field, text);
}

inline void TypeInto(const QWidget& dialog, const char* fieldName, const QString& text)
{
    if (auto* field = Child<QAbstractSpinBox>(dialog, fieldName))
        TypeInto(*field, text);
}

// Walks a closed list with the arrow keys until the entry is current.
inline void ChooseByKeyboard(QComboBox& list, int index)
{
    list.setFocus(Qt::TabFocusReason);
    while (list.currentIndex() < index) {
        const int before = list.currentIndex();
        QTest::keyClick(&list, Qt::Key_Down);
        if (list.currentIndex() <= before)
            return; // the list ended or jumped back: the caller checks where
    }
    while (list.currentIndex() > index) {
        const int before = list.currentIndex();
        QTest::keyClick(&list, Qt::Key_Up);
        if (list.currentIndex() >= before)
            return;
    }
}

} // namespace lumora::test

#pragma once
// What applying a language needs from the windows; the user interface
// implements it. Windows are named by their design name without the
// leading T ("Vorlage", "Tool_Rectangle", ...).

#include <QString>

namespace lumora {

class LanguageWidgets
{
public:
    virtual ~LanguageWidgets() = default;

    // Whether the window has a component of that name, ignoring case.
    virtual bool HasComponent(const QString& window, const QString& component) const = 0;

    // Sets one text. With an empty component the entry is for the window
    // itself: "Caption" sets its caption, "Hint" its hint. Otherwise the
    // component's text property of exactly that name gets value (a list
    // property is cleared and gets value as its single line); an unknown
    // property is ignored. Entries for "Name" never arrive here.
    virtual void ApplyEntry(const QString& window, const QString& component,
                            const QString& property, const QString& value) = 0;

    // The message box with an OK button, for the disclaimer of a language
    // file that is not an official one.
    virtual void ShowDisclaimer(const QString& text) = 0;
};

} // namespace lumora

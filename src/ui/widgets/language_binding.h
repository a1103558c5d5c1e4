#pragma once
// The language file's side of the windows. Window objects carry objectName
// = design name without the leading T ("Vorlage", "Render_opt",
// "NeuesProj", "Stereo_Prog", "Message_Form", "Progress_Form"); their
// components carry the design's component names as objectName. These
// functions implement LanguageWidgets over them.

#include <QString>

class QWidget;

namespace lumora {

// Case-insensitive objectName search among the window's descendants
// (QObject children, so QAction and QMenu count too).
bool HasLanguageComponent(const QWidget& window, const QString& component);

// Sets one text. An empty component, or the window's own name, is the
// window: "Caption" sets its title. "Caption" is the text of a label,
// button or action and the title of a group box or menu; "Hint" the tool
// tip (and an action's status tip); "Text" the text; "Items" and "Lines"
// replace a list's or combo box's lines by the single value, keeping the
// current index where possible. Unknown properties are ignored.
void ApplyLanguageEntry(QWidget& window, const QString& component, const QString& property,
                        const QString& value);

} // namespace lumora

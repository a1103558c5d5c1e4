#pragma once
// LumoDialog: the common frame of the program's dialogs. The dialog has no
// platform frame; it draws its own title band (LumoTitleBand) with the
// caption, "X" and "?", and is moved by pressing anywhere on it that is
// not a control (through the platform's own window move, which works under
// X11 and Wayland, or by following the mouse where the platform has none).
// "X" and Escape act as "Abbruch"; "?" and F1 ask the opener to show the
// dialog's help page. The dialog knows nothing of the help window: the
// opener hands it the request to call.

#include <QDialog>
#include <QPoint>

#include <functional>

class QPushButton;
class QVBoxLayout;

namespace lumora {

class LumoTitleBand;

class LumoDialog : public QDialog
{
public:
    // objectName: the design name without the leading T, the section a
    // language file names; caption: the design's caption.
    LumoDialog(const QString& objectName, const QString& caption, const QString& helpPage,
               QWidget* parent = nullptr, Qt::WindowFlags flags = Qt::Dialog);

    const QString& HelpPage() const { return helpPage_; }
    void SetHelpPage(const QString& page) { helpPage_ = page; }
    // Called with HelpPage() when the user asks for help.
    void SetHelpRequest(std::function<void(const QString&)> request)
    {
        helpRequest_ = std::move(request);
    }
    void RequestHelp();

    LumoTitleBand* TitleBand() const { return band_; }

protected:
    // The layout below the title band that the dialog's controls go in.
    QVBoxLayout* BodyLayout() const { return body_; }
    // "OK" (accept) and "Abbruch" (reject) at the bottom of the body, named
    // OKButton and AbbruchButton. "OK" is the default button: Return
    // presses it unless the control with the focus takes the key.
    void AddOkCancelButtons();
    QPushButton* OkButton() const { return ok_; }
    QPushButton* CancelButton() const { return cancel_; }

    // The title band's "X": "Abbruch" unless the dialog says otherwise.
    virtual void CloseBoxClicked();

    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    LumoTitleBand* band_ = nullptr;
    QVBoxLayout* body_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QString helpPage_;
    std::function<void(const QString&)> helpRequest_;
    // Following the mouse where the platform cannot move the window.
    bool following_ = false;
    QPoint grabOffset_;
};

} // namespace lumora

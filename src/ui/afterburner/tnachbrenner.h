#pragma once
// TNachbrenner: the afterburner window. It shows the afterburner picture
// at 1:1 with scroll bars and rulers, and reads and writes whole pictures
// (menu "Stereogramm": "Öffnen..." and "Speichern unter...").

#include "afterburner/afterburner_ui.h"
#include "ui/app/stage_window.h"

namespace lumora {

class PictureView;

class TNachbrenner : public StageWindow, public AfterburnerUi
{
public:
    explicit TNachbrenner(ProgramContext& context);

    // Repaint_Stereo: the picture composed anew and shown.
    void RepaintStage() override;
    PictureView* PictureArea() const { return area_; }

    // "Öffnen..." and "Speichern unter..." of the menu "Stereogramm".
    void OpenPicture();
    void SavePicture();

    // AfterburnerUi
    QString DefaultAfterburnerName(int32_t kind) const override;
    void PictureComposed() override;
    void ResizeAfterBurner() override { ShowPicture(); }

private:
    void ShowPicture();
    QString StereogramFolder() const;

    PictureView* area_ = nullptr;
};

} // namespace lumora

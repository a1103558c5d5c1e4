#pragma once
// The render progress dialog: the three preparation steps of a render as
// display-only ticks, and the rows computed so far on a bar and a counter.
// The render runs on the user-interface thread, so the dialog paints itself
// at once after every report.

#include "project/render_progress.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QProgressBar;

namespace lumora {

class TStereo_Prog : public QDialog, public RenderProgress
{
public:
    explicit TStereo_Prog(QWidget* parent = nullptr);

    void Begin(int maximum) override;
    void StepDone(RenderStep step) override;
    void SetPosition(int row) override;
    void End() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QCheckBox* AddStep(const QString& name, const QString& caption);
    QCheckBox* StepBox(RenderStep step) const;
    void ShowRow(int row);
    void PaintNow();

    QCheckBox* vorlageErzeugen_ = nullptr;
    QCheckBox* kachelErzeugen_ = nullptr;
    QCheckBox* renderingVorbereiten_ = nullptr;
    QProgressBar* bar_ = nullptr;
    QLabel* rowCounter_ = nullptr;
    int shownPercent_ = -1;
};

} // namespace lumora

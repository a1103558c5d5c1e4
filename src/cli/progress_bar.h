#pragma once
// The render's progress as a bar on stderr: on a terminal once the render
// has taken longer than a moment, or from the start when asked for.

#include "project/render_progress.h"

#include <QElapsedTimer>
#include <QString>

namespace lumora::cli {

// The bar's line for a position of a maximum: "rendering [####......]  40%".
QString ProgressBarLine(int position, int maximum, int barWidth);

class StderrProgressBar : public RenderProgress
{
public:
    // Shown only on a terminal, after kDelayMs, unless forced.
    static constexpr qint64 kDelayMs = 300;
    static constexpr int kBarWidth = 40;

    explicit StderrProgressBar(bool forced);

    void Begin(int maximum) override;
    void SetPosition(int row) override;
    void End() override;

private:
    bool forced_;
    bool terminal_;
    bool shown_ = false;
    int maximum_ = 0;
    int lastPercent_ = -1;
    QElapsedTimer timer_;
};

} // namespace lumora::cli
